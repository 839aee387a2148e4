#pragma once

#include <QLabel>
#include <QTimer>

namespace velmora {

// A short hint under a control about what it has just refused, for the desktops that never
// play a beep. Unlike a tooltip it outlasts the release of the key that was refused; it goes
// after kShownMs, or when the control loses the focus or is hidden (its dialog closes).
class BalloonHint : public QLabel {
    Q_OBJECT

public:
    static constexpr int kShownMs = 5000;

    // Made hidden, owned by the control.
    explicit BalloonHint(QWidget& control);

    // Shows the text under the control (above it where the screen ends), again for kShownMs.
    void showHint(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& control_;
    QTimer shown_;
};

}  // namespace velmora
