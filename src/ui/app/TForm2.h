#pragma once
// The splash and about box "B+V Iniciar": a borderless box that stands opaque for about two
// seconds and then fades out while, at start-up, the main window fades in. It hides itself at the
// end and stays allocated until the program ends. It also says where the program keeps its data.
#include <QTimer>
#include <QWidget>

namespace belvane {

class TForm1;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(TForm1* mainWindow);

    int fadeCounter() const { return m_fadeCounter; }
    int alphaBlendValue() const { return m_alphaBlendValue; }
    QTimer* timer() { return &m_timer; }

public slots:
    // One tick of the 50 ms fade timer.
    void stepFade();
    // Ends the fade at once: the box hides and the main window is opaque.
    void endFade();

signals:
    // The box has gone: the main window stands alone.
    void faded();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildContent();
    void placeDataFolderLabel(const QString& dataDir);

    TForm1* m_mainWindow;
    QTimer m_timer;
    int m_fadeCounter = 1000;
    int m_alphaBlendValue = 255;
};

} // namespace belvane
