// The window effects on a real X server: a dialog shows and hides with each effect over a
// patterned desktop, the outlines really reach the screen while they play, they only ever invert
// the pixels they cover, and afterwards the screen is exactly as it was before.
// Run under Xvfb: xvfb-run -a -s "-screen 0 1024x768x24" velmora_desktop_effect_tests
// (with QT_QPA_PLATFORM=xcb).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <string>

#include "anim/WindowEffectHook.h"

namespace velmora {
namespace {

// A desktop to draw over: stripes and a gradient, so that every inverted pixel differs from
// what it covers and any pixel left behind shows.
class PatternedDesktop : public QWidget {
public:
    PatternedDesktop() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint) {
        setGeometry(QGuiApplication::primaryScreen()->geometry());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, width(), height());
        gradient.setColorAt(0, QColor(40, 90, 160));
        gradient.setColorAt(1, QColor(200, 170, 60));
        painter.fillRect(rect(), gradient);
        painter.setPen(QColor(230, 230, 230));
        for (int x = 0; x < width(); x += 37) painter.drawLine(x, 0, x, height());
        for (int y = 0; y < height(); y += 29) painter.drawLine(0, y, width(), y);
    }
};

QImage screenNow() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32); }

// How a grab taken during a play differs from the screen before it.
struct Difference {
    int changed = 0;     // pixels that differ
    int notInverted = 0; // of those, pixels that are not the exact inverse of what was there
};

Difference compare(const QImage& before, const QImage& now) {
    Difference d;
    for (int y = 0; y < before.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(now.constScanLine(y));
        for (int x = 0; x < before.width(); ++x) {
            if (a[x] == b[x]) continue;
            ++d.changed;
            if ((a[x] ^ 0x00FFFFFFu) != b[x]) ++d.notInverted;
        }
    }
    return d;
}

// Lets the X server and the windows repaint until the screen shows `expected`, for at most 5 s.
bool settlesTo(const QImage& expected) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        QTest::qWait(50);
        if (screenNow() == expected) return true;
    }
    return false;
}

class EffectOnScreen : public testing::TestWithParam<EffectKind> {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "needs an X server (run under xvfb-run)";
        desktop_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&desktop_));
        before_ = screenNow();
        ASSERT_TRUE(settlesTo(before_));  // nothing still painting
    }

    PatternedDesktop desktop_;
    QImage before_;
};

TEST_P(EffectOnScreen, OutlinesInvertWhileTheyPlayAndLeaveNothingBehind) {
    QDialog dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    dialog.setGeometry(300, 250, 437, 158);
    WindowEffectHook hook(dialog);
    hook.setAnimateOnShow(true);
    hook.setAnimateOnHide(true);
    hook.effect().setEffectType(GetParam());

    // Grabs taken inside the pauses of the show, while the dialog is not on the screen yet.
    int framesWithOutlines = 0;
    int worstNotInverted = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const Difference d = compare(before_, screenNow());
        if (d.changed > 0) ++framesWithOutlines;
        worstNotInverted = std::max(worstNotInverted, d.notInverted);
    });
    probe.start(20);
    dialog.show();
    probe.stop();
    EXPECT_GT(framesWithOutlines, 0) << "no outline reached the screen";
    EXPECT_EQ(worstNotInverted, 0) << "the overlay changed pixels other than by inverting them";

    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(100);
    EXPECT_TRUE(screenNow() != before_);  // the dialog itself is up
    dialog.hide();
    EXPECT_TRUE(settlesTo(before_)) << "the screen differs after the effects";
}

std::string effectName(const testing::TestParamInfo<EffectKind>& cell) {
    switch (cell.param) {
    case EffectKind::Spin: return "Spin";
    case EffectKind::Vortex: return "Vortex";
    case EffectKind::ScatterGather: return "ScatterGather";
    case EffectKind::Spike: return "Spike";
    case EffectKind::Fireworks: return "Fireworks";
    default: return "Random";
    }
}

INSTANTIATE_TEST_SUITE_P(Effects, EffectOnScreen,
                         testing::Values(EffectKind::Spin, EffectKind::Vortex, EffectKind::ScatterGather,
                                         EffectKind::Spike, EffectKind::Fireworks),
                         effectName);

}  // namespace
}  // namespace velmora
