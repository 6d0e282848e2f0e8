#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>

// The about box: a borderless white window centred on the screen with a
// shaded band holding the logo, the title and the version, and below it how
// to reach the makers. Any click or key closes it.
class TFabout : public QDialog {
    Q_OBJECT
public:
    static constexpr int boxWidth = 525;
    static constexpr int boxHeight = 278;
    static constexpr int bandHeight = 105;
    // The logo's left edge and the line its middle sits on.
    static constexpr int logoLeft = 16;
    static constexpr int logoMiddle = 52;
    // The band's texts are placed for a logo of this side.
    static constexpr int logoSide = 72;
    // The texts below the band keep this far from both sides.
    static constexpr int textMargin = 24;
    static constexpr int titlePixels = 24;
    static constexpr int textPixels = 11;
    static constexpr QColor ruleColour{168, 168, 168};

    static constexpr const char* versionText = "Version 2.4.0";
    static constexpr const char* supportAddress = "support@velumbra.example.org";
    static constexpr const char* feedbackLine =
        "Please feel free to tell us about any usability issues and features";
    static constexpr const char* supportLinePrefix = "you would like to see: ";
    static constexpr const char* includeLine =
        "Please be sure to include your name, company and version number in your mail.";
    // The band colour the main window passes (RGB(236, 236, 255), red in the
    // low byte); -1 gives a white band.
    static constexpr int defaultBandColour = 0xFFECEC;
    static constexpr int whiteBand = -1;

    TFabout(const QString& titleText, const QString& versionLine, const QString& productWord,
            const QImage& logoImage, int bandColour, QWidget* parent = nullptr);

    // The lines below the band, top to bottom: the request for feedback, its
    // end with the support address, what to include, the home page address.
    QStringList lines() const;

    // Draws the whole box at the painter's origin.
    void render(QPainter& painter) const;

    QString title;
    QString version;
    QString product;
    QImage logo;
    // 0x00BBGGRR, or whiteBand.
    int band;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Shows the about box modally and destroys it when it closes.
void showAbout(const QString& title, const QString& version, const QString& productWord,
               const QImage& logo, int bandColour, QWidget* parent = nullptr);
