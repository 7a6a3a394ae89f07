#pragma once
// Every conversation with the user that leaves the main window — message boxes, the colour
// chooser, the file chooser, the clipboard, opening the web site — goes through this one seam.
// In a test run the answers are queued beforehand and every message is recorded, so a test can
// drive a whole flow without a modal box ever blocking it.
#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <deque>

class QPrinter;

namespace belvane {

class Prompts {
public:
    enum class Box { Information, Confirmation, Warning };

    // A question with the given buttons; returns the button pressed.
    static QMessageBox::StandardButton ask(QWidget* parent, const QString& text,
                                           QMessageBox::StandardButtons buttons, Box box);
    // A plain message with one OK button (notices, successes, refusals).
    static void inform(QWidget* parent, const QString& text);
    // A failure the user must know about (a file that could not be read or written).
    static void error(QWidget* parent, const QString& text);

    static QColor chooseColor(QWidget* parent, const QColor& initial);
    // One of `items`, chosen from a list under `label`; empty when the user chose none.
    static QString chooseItem(QWidget* parent, const QString& label, const QStringList& items);
    static QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                                  const QString& filter);
    static QString chooseOpenFile(QWidget* parent, const QString& caption, const QString& filter);
    // The print dialog for `printer`; true when the user chose to print. In a test run a queued
    // file name stands for the chosen printer: the pages go to that PDF file.
    static bool choosePrinter(QWidget* parent, QPrinter& printer);
    static void setClipboardText(const QString& text);
    static void openUrl(const QString& url);

    // Test seam.
    static void startScript();                       // record instead of showing
    static void stopScript();
    static bool scripted();
    static void queueAnswer(QMessageBox::StandardButton answer);
    static void queueColor(const QColor& colour);
    static void queueFileName(const QString& path);
    static void queueItem(const QString& item);      // an empty one stands for choosing none
    static QStringList messages();                   // every text shown, in order
    static QString clipboardText();
    static QStringList openedUrls();
    static int pendingAnswers();                     // answers queued but never asked for
    static QStringList unexpected();                 // prompts that found no queued answer
    static void clearLog();
};

} // namespace belvane
