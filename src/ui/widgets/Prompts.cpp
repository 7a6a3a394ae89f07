#include "ui/widgets/Prompts.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace belvane {
namespace {

struct Script {
    bool active = false;
    std::deque<QMessageBox::StandardButton> answers;
    std::deque<QColor> colours;
    std::deque<QString> fileNames;
    std::deque<QString> items;
    QStringList messages;
    QStringList unexpected;
    QStringList urls;
    QString clipboard;
};

Script& script()
{
    static Script s;
    return s;
}

QString windowTitle()
{
    return QStringLiteral("B+V");
}

// Dialogs belong to the window, not to the control that opened them: a coloured swatch or a
// panel's own style would otherwise dress every button of the dialog. The window's style gives
// every dialog the same dark, readable look.
QWidget* owner(QWidget* parent)
{
    return parent ? parent->window() : nullptr;
}

} // namespace

QMessageBox::StandardButton Prompts::ask(QWidget* parent, const QString& text,
                                         QMessageBox::StandardButtons buttons, Box box)
{
    Script& s = script();
    if (s.active) {
        s.messages << text;
        if (s.answers.empty()) {
            s.unexpected << text;
            return (buttons & QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
        }
        const auto answer = s.answers.front();
        s.answers.pop_front();
        return answer;
    }
    QMessageBox message(box == Box::Warning ? QMessageBox::Warning
                        : box == Box::Confirmation ? QMessageBox::Question
                                                   : QMessageBox::Information,
                        windowTitle(), text, buttons, owner(parent));
    return static_cast<QMessageBox::StandardButton>(message.exec());
}

void Prompts::inform(QWidget* parent, const QString& text)
{
    if (script().active) {
        script().messages << text;
        return;
    }
    QMessageBox::information(owner(parent), windowTitle(), text);
}

void Prompts::error(QWidget* parent, const QString& text)
{
    if (script().active) {
        script().messages << text;
        return;
    }
    QMessageBox::warning(owner(parent), windowTitle(), text);
}

QColor Prompts::chooseColor(QWidget* parent, const QColor& initial)
{
    Script& s = script();
    if (s.active) {
        if (s.colours.empty())
            return {};
        const QColor c = s.colours.front();
        s.colours.pop_front();
        return c;
    }
    return QColorDialog::getColor(initial, owner(parent));
}

QString Prompts::chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                                const QString& filter)
{
    Script& s = script();
    if (s.active) {
        if (s.fileNames.empty())
            return {};
        const QString f = s.fileNames.front();
        s.fileNames.pop_front();
        return f;
    }
    return QFileDialog::getSaveFileName(owner(parent), caption, suggested, filter);
}

bool Prompts::choosePrinter(QWidget* parent, QPrinter& printer)
{
    Script& s = script();
    if (s.active) {
        if (s.fileNames.empty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(s.fileNames.front());
        s.fileNames.pop_front();
        return true;
    }
    QPrintDialog dialog(&printer, owner(parent));
    return dialog.exec() == QDialog::Accepted;
}

QString Prompts::chooseItem(QWidget* parent, const QString& label, const QStringList& items)
{
    Script& s = script();
    if (s.active) {
        s.messages << label;
        if (s.items.empty()) {
            s.unexpected << label;
            return {};
        }
        const QString item = s.items.front();
        s.items.pop_front();
        return items.contains(item) ? item : QString();
    }
    bool chosen = false;
    const QString item = QInputDialog::getItem(owner(parent), windowTitle(), label, items, 0, false, &chosen);
    return chosen ? item : QString();
}

QString Prompts::chooseOpenFile(QWidget* parent, const QString& caption, const QString& filter)
{
    Script& s = script();
    if (s.active) {
        if (s.fileNames.empty())
            return {};
        const QString f = s.fileNames.front();
        s.fileNames.pop_front();
        return f;
    }
    return QFileDialog::getOpenFileName(owner(parent), caption, QString(), filter);
}

void Prompts::setClipboardText(const QString& text)
{
    if (script().active) {
        script().clipboard = text;
        return;
    }
    QApplication::clipboard()->setText(text);
}

void Prompts::openUrl(const QString& url)
{
    if (script().active) {
        script().urls << url;
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

void Prompts::startScript()
{
    script() = Script{};
    script().active = true;
}

void Prompts::stopScript() { script() = Script{}; }
bool Prompts::scripted() { return script().active; }
void Prompts::queueAnswer(QMessageBox::StandardButton answer) { script().answers.push_back(answer); }
void Prompts::queueColor(const QColor& colour) { script().colours.push_back(colour); }
void Prompts::queueFileName(const QString& path) { script().fileNames.push_back(path); }
void Prompts::queueItem(const QString& item)
{
    script().items.push_back(item);
}
QStringList Prompts::messages() { return script().messages; }
QString Prompts::clipboardText() { return script().clipboard; }
QStringList Prompts::openedUrls() { return script().urls; }
int Prompts::pendingAnswers() { return int(script().answers.size()); }
QStringList Prompts::unexpected() { return script().unexpected; }
void Prompts::clearLog() { script().messages.clear(); }

} // namespace belvane
