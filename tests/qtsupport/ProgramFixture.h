#pragma once

#include <QAction>
#include <QDir>

#include <memory>
#include <string>

#include "ControllerFixture.h"
#include "shell/LanguagePacks.h"
#include "shell/MainWindow.h"

namespace velmora::test {

// The program started on a folder prepared beforehand (language packs, a settings file), and
// started again on the same folder, as the next run would be.
class ProgramFixture : public ControllerFixture {
protected:
    void writeText(const QString& name, const std::string& text) const {
        writeFile(folder(name), Bytes(text.begin(), text.end()));
    }
    // Language/<name>.lng with the given lines.
    void writePack(const QString& name, const std::string& text) const {
        QDir().mkpath(folder("Language"));
        writeText("Language/" + name + ".lng", text);
    }
    void writeSettings(const std::string& mainLines) const { writeText("velmora.ini", "[Main]\n" + mainLines); }
    // "key=text", a line of a language pack without its line end.
    static std::string packEntry(QLatin1String key, const std::string& text) {
        return QString(key).toStdString() + '=' + text;
    }

    // The main window shown: its show step runs.
    void startProgram() {
        window = std::make_unique<MainWindow>(*controller, desktop);
        window->show();
    }
    // The window closed (the settings written), then a new run on the same folder.
    void restartProgram() {
        window->close();
        window.reset();
        controller = newController();
        startProgram();
    }
    // The shown language item of a pack.
    QAction* languageItem(const QString& pack) const {
        for (QAction* lang : window->languagePacks()->items())
            if (lang->isVisible() && lang->text() == pack) return lang;
        ADD_FAILURE() << "no item " << pack.toStdString();
        return nullptr;
    }

    std::unique_ptr<MainWindow> window;
};

}  // namespace velmora::test
