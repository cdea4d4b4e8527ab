#include "shell/Dialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace sv {

QString QtFileFilter(const QString& filter) {
    if (!filter.contains('|')) return filter;
    // "Description|pattern|Description|pattern" -> "Description (pattern);;..."
    const QStringList parts = filter.split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ')';
    return out.join(QStringLiteral(";;"));
}

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::NoIcon:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtDialogs::Message(QWidget* parent, const QString& text, const QString& title,
                        MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::YesNo(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::OpenFileName(QWidget* parent, const QString& title, const QString& dir,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, dir, QtFileFilter(filter));
}

QString QtDialogs::SaveFileName(QWidget* parent, const QString& title, const QString& dir,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, dir, QtFileFilter(filter));
}

std::optional<QColor> QtDialogs::Colour(QWidget* parent, const QColor& initial) {
    const QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid()) return std::nullopt;
    return c;
}

bool QtDialogs::PrintSetup(QWidget* parent, QPrinter* printer) {
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::RunModal(QDialog& window) {
    return window.exec();
}

} // namespace sv
