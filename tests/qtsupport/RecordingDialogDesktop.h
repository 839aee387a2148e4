#pragma once

#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

#include "dialogs/DialogDesktop.h"

namespace velmora::test {

// The dialogs' part of the desktop as a record of what they showed, with answers queued for
// their file dialogs. Interface is DialogDesktop itself or an interface derived from it, so
// the shell's recorder extends this one instead of repeating it.
template <class Interface = DialogDesktop>
class RecordingDialogDesktop : public Interface {
public:
    QStringList messages;
    QStringList errors;  // as the error box shows them
    QStringList helpTopics;
    int beeps = 0;
    // Answers of the text-file dialogs in turn; a null QString cancels.
    std::deque<QString> textOpenAnswers;
    std::deque<QString> textSaveAnswers;
    QString clipboard;

    std::function<void()> onMessage;  // runs as each message is shown

    void showMessage(const QString& text) override {
        messages << text;
        if (onMessage) onMessage();
    }
    void showError(const QString& text) override { errors << errorBoxText(text); }
    void beep() override { ++beeps; }
    void openHelp(const QString& topic) override { helpTopics << topic; }
    std::optional<QString> chooseTextFileToOpen() override { return next(textOpenAnswers); }
    std::optional<QString> chooseTextFileToSave() override { return next(textSaveAnswers); }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }

protected:
    static std::optional<QString> next(std::deque<QString>& answers) {
        if (answers.empty()) return std::nullopt;
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isNull()) return std::nullopt;
        return answer;
    }
};

}  // namespace velmora::test
