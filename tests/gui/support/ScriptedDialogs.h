#pragma once
// A Dialogs double for tests: answers come from queues set up by the test, and every box shown
// is recorded with its text, title and icon. Nothing ever waits for a person.
#include <deque>
#include <functional>
#include <optional>
#include <QColor>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <vector>

#include "shell/Dialogs.h"

namespace sv::test {

struct ShownBox {
    enum class Kind { Message, YesNo, OpenFile, SaveFile, Colour, PrintSetup, Modal };
    Kind kind;
    QString text;  // message or question text; for a modal window its objectName
    QString title; // box title; for a modal window its windowTitle
    MessageIcon icon = MessageIcon::Information;
};

class ScriptedDialogs : public Dialogs {
public:
    // Answers, used front first. An empty queue gives the fallback after it.
    std::deque<bool> yesNoAnswers;
    bool yesNoFallback = false;
    std::deque<QString> fileNames; // open and save dialogs alike; fallback: cancelled ("")
    std::deque<std::optional<QColor>> colours; // fallback: cancelled
    std::deque<bool> printSetupAnswers;        // fallback: cancelled
    // Called with each modal window instead of running it (inspect it, click in it, accept it);
    // the window's result() is returned afterwards (Rejected unless the hook changed it).
    std::function<void(QDialog&)> onModal;

    std::vector<ShownBox> shown;

    void Message(QWidget*, const QString& text, const QString& title, MessageIcon icon) override {
        shown.push_back({ShownBox::Kind::Message, text, title, icon});
    }
    bool YesNo(QWidget*, const QString& text, const QString& title) override {
        shown.push_back({ShownBox::Kind::YesNo, text, title, MessageIcon::Question});
        return Take(yesNoAnswers, yesNoFallback);
    }
    QString OpenFileName(QWidget*, const QString& title, const QString&, const QString&) override {
        shown.push_back({ShownBox::Kind::OpenFile, QString(), title});
        return Take(fileNames, QString());
    }
    QString SaveFileName(QWidget*, const QString& title, const QString&, const QString&) override {
        shown.push_back({ShownBox::Kind::SaveFile, QString(), title});
        return Take(fileNames, QString());
    }
    std::optional<QColor> Colour(QWidget*, const QColor&) override {
        shown.push_back({ShownBox::Kind::Colour, QString(), QString()});
        return Take(colours, std::optional<QColor>());
    }
    bool PrintSetup(QWidget*, QPrinter*) override {
        shown.push_back({ShownBox::Kind::PrintSetup, QString(), QString()});
        return Take(printSetupAnswers, false);
    }
    int RunModal(QDialog& window) override {
        shown.push_back({ShownBox::Kind::Modal, window.objectName(), window.windowTitle()});
        window.setResult(QDialog::Rejected);
        if (onModal) onModal(window);
        return window.result();
    }

    // Texts of the boxes of one kind, in the order shown.
    QStringList Texts(ShownBox::Kind kind) const {
        QStringList out;
        for (const auto& b : shown)
            if (b.kind == kind) out << b.text;
        return out;
    }
    QStringList Messages() const { return Texts(ShownBox::Kind::Message); }
    QStringList Questions() const { return Texts(ShownBox::Kind::YesNo); }

private:
    template <class T> static T Take(std::deque<T>& q, T fallback) {
        if (q.empty()) return fallback;
        T v = std::move(q.front());
        q.pop_front();
        return v;
    }
};

} // namespace sv::test
