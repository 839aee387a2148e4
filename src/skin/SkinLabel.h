#pragma once

#include <QWidget>

namespace velmora {

// A caption drawn without a background, so text can sit on the skin and on the dialogs'
// textured backgrounds. "&" underlines the next character ("&&" draws one "&"); lines are
// separated by CR LF; the label sizes itself to its text, keeping its left edge (its right
// edge when right-aligned).
class SkinLabel : public QWidget {
    Q_OBJECT

public:
    enum class Align { Left, Center, Right };
    enum class Style { Default, Raised };

    explicit SkinLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    void setAlignment(Align alignment);
    void setStyle(Style style);

    // The caption without its "&" markers, and the position of the underlined character (-1: none).
    struct ShownText {
        QString text;
        qsizetype underlined = -1;
    };
    static ShownText shownText(const QString& line);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QStringList lines() const;
    QSize measure() const;
    void fitToText();
    void drawLines(QPainter& painter, QPoint offset, const QColor& colour) const;

    QString caption_;
    Align alignment_ = Align::Left;
    Style style_ = Style::Default;
    static constexpr int kLineSpacing = 5;
};

}  // namespace velmora
