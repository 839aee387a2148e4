#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <memory>

#include "shell/MainController.h"
#include "ShellDoubles.h"
#include "support/BmpBuilder.h"

namespace velmora::test {

// A program folder with the four animations, a settings file path, and a controller whose
// waits return at once (its clock jumps ahead ten seconds at every look).
class ControllerFixture : public ::testing::Test {
protected:
    ControllerFixture() {
        for (const char* gif : {"1.gif", "2.gif", "3.gif", "4.gif"}) writeFile(folder(gif), {'G', 'I', 'F', '8', '9', 'a'});
        controller = newController();
    }

    // A controller on the folder, as a new run of the program has.
    std::unique_ptr<MainController> newController() {
        return std::make_unique<MainController>(desktop, drum, folder(""), folder("velmora.ini"),
                                                [this] { return clock += 10000; });
    }

    QString folder(const QString& name) const { return QString::fromStdString(dir.path(name.toStdString())); }
    QString picture(const QString& name, const BmpRecipe& recipe = {}) const {
        writeFile(folder(name), buildBmp(recipe));
        return folder(name);
    }
    // The picture open, with the records of opening it cleared.
    void openCarrier(const QString& name, const BmpRecipe& recipe = {}) {
        controller->openPicture(picture(name, recipe));
        ASSERT_TRUE(controller->loaded()) << desktop.messages.join('|').toStdString();
        desktop.messages.clear();
        drum.commands.clear();
    }
    static void writeFile(const QString& path, const Bytes& bytes) { test::writeFile(path.toStdString(), bytes); }
    // The settings file a first run writes as it closes: the defaults, with FirstOpen as given.
    static std::string firstRunSettingsFile(const std::string& firstOpen) {
        return "[Main]\nk=2\nStep=20\nBaseColor=0\nMinimized=0\nLang=&Russian\nFirstOpen=" + firstOpen + "\n";
    }

    TempDir dir;
    RecordingDesktop desktop;
    RecordingDrum drum;
    std::uint32_t clock = 0;
    std::unique_ptr<MainController> controller;
};

}  // namespace velmora::test
