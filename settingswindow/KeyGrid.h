#pragma once

#include <QToolButton>
#include <QWidget>

#include <array>

class QButtonGroup;
class TFamilySettings;

// One key of the keyboard: its picture and caption; a file dropped on it goes to the key.
class TKeyButton : public QToolButton {
    Q_OBJECT
public:
    TKeyButton(int entry, QWidget* parent);
    int Entry() const { return m_entry; }

Q_SIGNALS:
    void FileDropped(int entry, const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int m_entry;
};

// All 88 keys laid out as a keyboard (main block, navigation keys, keypad), each showing its
// picture and caption; one is picked at a time, with a click or by pressing the key itself
// while the keyboard has the focus.
class TKeyGrid : public QWidget {
    Q_OBJECT
public:
    TKeyGrid(const TFamilySettings& settings, QWidget* parent = nullptr);

    // Shows key `entry`'s picture and caption as they are now; every key's with 0.
    void Refresh(int entry = 0);
    void Select(int entry);
    int Selected() const { return m_selected; }
    TKeyButton* Button(int entry) const { return m_buttons.at(entry - 1); }

Q_SIGNALS:
    void KeyChosen(int entry);
    void FileDropped(int entry, const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const TFamilySettings& m_settings;
    std::array<TKeyButton*, 88> m_buttons {};
    QButtonGroup* m_group;
    int m_selected { 0 };
};
