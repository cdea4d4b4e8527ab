#pragma once
// Every modal interaction of the game goes through this seam, so tests can script the answers
// and never wait on a real modal box. QtDialogs shows the real thing.
#include <optional>
#include <QColor>
#include <QString>

#include "solver/WindowSeam.h"

class QDialog;
class QWidget;
class QPrinter;

namespace sv {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Message box with an OK button, titled `title` (normally the program title).
    virtual void Message(QWidget* parent, const QString& text, const QString& title,
                         MessageIcon icon) = 0;
    // Yes/No question with the question icon; true for Yes.
    virtual bool YesNo(QWidget* parent, const QString& text, const QString& title) = 0;
    // File dialogs; an empty string means the player cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& dir,
                                 const QString& filter) = 0;
    // Colour dialog; nothing when cancelled.
    virtual std::optional<QColor> Colour(QWidget* parent, const QColor& initial) = 0;
    // Printer setup dialog on `printer`; false when cancelled.
    virtual bool PrintSetup(QWidget* parent, QPrinter* printer) = 0;
    // Runs one of the program's own modal windows (scores, options, help, print) to its end and
    // returns its result (QDialog::Accepted or Rejected).
    virtual int RunModal(QDialog& window) = 0;
};

// A file filter as "Description|*.ext" pairs turned into Qt's "Description (*.ext)" form;
// a filter without "|" is returned as is.
QString QtFileFilter(const QString& filter);

// The real modal dialogs.
class QtDialogs : public Dialogs {
public:
    void Message(QWidget* parent, const QString& text, const QString& title,
                 MessageIcon icon) override;
    bool YesNo(QWidget* parent, const QString& text, const QString& title) override;
    QString OpenFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;
    std::optional<QColor> Colour(QWidget* parent, const QColor& initial) override;
    bool PrintSetup(QWidget* parent, QPrinter* printer) override;
    int RunModal(QDialog& window) override;
};

} // namespace sv
