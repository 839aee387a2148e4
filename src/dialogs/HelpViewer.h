#pragma once

#include <QByteArray>
#include <QTextBrowser>

#include <cstdint>
#include <optional>

namespace velmora {

// The help window: the help file (HTML with named anchors as topics) shown at a topic. A
// file that cannot be read (missing, not a regular file, past its size cap), or a topic it
// lacks, is said on the viewer's own page; nothing else is disturbed.
class HelpViewer : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Loads the help file afresh and scrolls to the topic's anchor.
    void showTopic(const QString& helpFile, const QString& topic);

    static bool hasAnchor(const QTextDocument& document, const QString& name);

    // Far above any real help file; a larger one counts as unreadable.
    static constexpr std::uint64_t kLongestHelpFile = std::uint64_t{16} << 20;

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    static std::optional<QByteArray> readHelpFile(const QString& helpFile);
};

}  // namespace velmora
