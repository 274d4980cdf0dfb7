#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QObject>

#include <array>
#include <optional>

class Prompter;
class QWidget;
class Settings;
class SoundPlayer;

// What a shuffle looks and sounds like, a step every re-order: the shaker sound, the window
// shaken sideways (or, where a window cannot place itself, what it holds), and the window
// flashing through its colours. Each is switched on or off by the settings.
class ShuffleEffects : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        Prompter* prompter = nullptr;
        SoundPlayer* player = nullptr;
        Settings* settings = nullptr;
        bool windowPlacesItself = true;
    };
    // window: the one shaken and flashed; contents: what is shaken inside it instead.
    ShuffleEffects(QWidget* window, QList<QWidget*> contents, const Services& services, QByteArray sound);
    // A sound file's bytes with leading and trailing 0x20 bytes removed; empty on any failure.
    static QByteArray readFileData(const QString& path);

    // Reads the switches from the settings; they follow the settings from then on.
    void load();
    // One step of each effect switched on: sound, shake, flash.
    void step();
    // After Stop: the rest colour, and the shaken window or contents back where they were.
    void rest();

    bool flashy() const { return m_flashy; }
    bool shaky() const { return m_shaky; }
    bool sound() const { return m_sound; }
    QByteArray shuffleSound() const { return m_shuffleSound; }
    // The flash colour the window shows now; none at rest.
    std::optional<QColor> flashColour() const { return m_flashColour; }

    // Whether the shake moves the window (see Services::windowPlacesItself).
    bool shakeMovesWindow() const { return m_services.windowPlacesItself; }
    bool shifted() const { return m_shifted; }
    // How far the shake moved the window's contents to the right, in pixels.
    int contentShift() const { return m_contentShift; }
    // Moves the contents that far to the right of where the layout puts them.
    void shiftContents(int pixels);
    // The contents were laid out afresh: the shake's shift is put back on them.
    void laidOut();
    // The window's left edge in twips, kept exactly across shakes.
    float leftTwips() const;
    void setLeftTwips(float twips);

    // The window and its button panel back to their rest colour.
    void restoreRestColour();
    // A control that paints every pixel of its place itself, so that no flash colour shows
    // through it: a flash step leaves it alone (the list box, which a re-order repaints
    // anyway, and its scroll bars, which nothing changes while shuffling).
    void setOpaqueContent(QWidget* content) { m_opaqueContent = content; }

private:
    void playSound();
    // The effects follow what is chosen, whoever chose it (Options, or the shuffle switching
    // off a sound that cannot play); no flash colour stays once flashing is off.
    void settingChanged(const QString& key);

    QWidget* m_window;
    QList<QWidget*> m_contents;
    QWidget* m_opaqueContent = nullptr;
    Services m_services;
    QByteArray m_shuffleSound;
    bool m_flashy = true;
    bool m_shaky = true;
    bool m_sound = true;
    bool m_soundErrorOpen = false;
    std::optional<QColor> m_flashColour;
    bool m_shifted = false;
    int m_contentShift = 0;
    // Where the shake last put the window, and the places it moved from and to, in pixels.
    std::optional<float> m_leftTwips;
    std::array<int, 2> m_askedLeft{};
};
