#pragma once
// The program's look: a dark office-tool palette with white text, shared by every page, and the
// conversion of the stored 0x00BBGGRR colour values into Qt colours.
#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace belvane::theme {

inline constexpr auto kPageBackground = "#2b2b2e";
inline constexpr auto kPanelBackground = "#3a3a3e";

// Registers the program's own marker font (the required-field check mark at U+E10B); once.
void installFonts();
// Starts reading the system's font configuration on a thread of its own, before the application
// object exists: the first text of the window would otherwise wait for it.
void readFontConfigurationAhead();
QString styleSheet();
// The program's one accent: orange for what is chosen or framed, a lighter orange for headings.
// A style sheet writes them as @accent and @accent-light; accented() puts the colours in.
inline constexpr char kAccent[] = "#ff8000";
inline constexpr char kAccentLight[] = "#ffb060";
QString accented(QString sheet);
// The style of a panel framed in the accent colour over the page (report, "Salvar como", colours).
QString accentFramedPanel(const QString& objectName, const char* background, int borderWidth);
// Colours are stored red in the low byte: 0x00BBGGRR.
QColor fromBgr(quint32 bgr);
quint32 toBgr(const QColor& colour);
QFont displayFont(int pixelSize, int weight = QFont::Normal);
void paintBackground(QWidget* widget, const QColor& colour);

} // namespace belvane::theme
