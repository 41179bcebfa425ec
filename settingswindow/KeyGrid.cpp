#include "settingswindow/KeyGrid.h"

#include "familycontent/FamilySettings.h"
#include "platform/VirtualKeys.h"
#include "play/KeyData.h"
#include "settingswindow/KeyPreview.h"

#include <QButtonGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QPixmap>

#include <vector>

namespace {

// A place on the keyboard: the key's entry, or 0 for a gap, and its width in quarter keys.
struct TPlace {
    int Entry;
    int Quarters;
};

// Rows of the keyboard by entry: the main block, the six navigation keys and arrows, and the
// keypad, whose digits share their entries with the navigation keys of the same places.
const std::vector<std::vector<TPlace>> Rows = {
    { { 56, 4 }, { 0, 4 }, { 62, 4 }, { 63, 4 }, { 64, 4 }, { 65, 4 }, { 0, 2 }, { 66, 4 }, { 67, 4 }, { 68, 4 },
      { 69, 4 }, { 0, 2 }, { 70, 4 }, { 71, 4 }, { 72, 4 }, { 73, 4 }, { 0, 2 }, { 61, 4 }, { 54, 4 } },
    { { 43, 4 }, { 28, 4 }, { 29, 4 }, { 30, 4 }, { 31, 4 }, { 32, 4 }, { 33, 4 }, { 34, 4 }, { 35, 4 }, { 36, 4 },
      { 27, 4 }, { 40, 4 }, { 38, 4 }, { 48, 8 }, { 0, 2 }, { 83, 4 }, { 78, 4 }, { 75, 4 }, { 0, 2 }, { 60, 4 },
      { 88, 4 }, { 85, 4 }, { 87, 4 } },
    { { 49, 6 }, { 17, 4 }, { 23, 4 }, { 5, 4 }, { 18, 4 }, { 20, 4 }, { 25, 4 }, { 21, 4 }, { 9, 4 }, { 15, 4 },
      { 16, 4 }, { 44, 4 }, { 46, 4 }, { 45, 6 }, { 0, 2 }, { 84, 4 }, { 77, 4 }, { 76, 4 }, { 0, 2 }, { 0, 12 },
      { 86, 4 } },
    { { 55, 7 }, { 1, 4 }, { 19, 4 }, { 4, 4 }, { 6, 4 }, { 7, 4 }, { 8, 4 }, { 10, 4 }, { 11, 4 }, { 12, 4 },
      { 37, 4 }, { 47, 4 }, { 50, 9 }, { 0, 16 }, { 0, 4 }, { 74, 4 } },
    { { 51, 9 }, { 26, 4 }, { 24, 4 }, { 3, 4 }, { 22, 4 }, { 2, 4 }, { 14, 4 }, { 13, 4 }, { 39, 4 }, { 41, 4 },
      { 42, 4 }, { 0, 11 }, { 0, 6 }, { 80, 4 } },
    { { 52, 6 }, { 58, 5 }, { 53, 5 }, { 57, 25 }, { 59, 5 }, { 0, 14 }, { 0, 2 }, { 79, 4 }, { 82, 4 }, { 81, 4 } },
};

constexpr int QuarterWidth = 13;
constexpr int KeyHeight = 62;
constexpr int IconSize = 36;

bool AcceptsFile(const QMimeData* data)
{
    return data && data->hasUrls() && data->urls().size() == 1 && data->urls().front().isLocalFile();
}

} // namespace

TKeyButton::TKeyButton(int entry, QWidget* parent)
    : QToolButton(parent)
    , m_entry(entry)
{
    setObjectName(QStringLiteral("key%1").arg(entry));
    setCheckable(true);
    setAcceptDrops(true);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(IconSize, IconSize));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFixedHeight(KeyHeight);
}

void TKeyButton::dragEnterEvent(QDragEnterEvent* event)
{
    if (AcceptsFile(event->mimeData()))
        event->acceptProposedAction();
}

void TKeyButton::dropEvent(QDropEvent* event)
{
    if (!AcceptsFile(event->mimeData()))
        return;
    event->acceptProposedAction();
    Q_EMIT FileDropped(m_entry, event->mimeData()->urls().front().toLocalFile());
}

TKeyGrid::TKeyGrid(const TFamilySettings& settings, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_group(new QButtonGroup(this))
{
    auto* layout = new QGridLayout(this);
    layout->setSpacing(3);
    layout->setContentsMargins(0, 0, 0, 0);
    int columns = 0;
    for (int row = 0; row < int(Rows.size()); ++row) {
        int column = 0;
        for (const TPlace& place : Rows[row]) {
            if (place.Entry > 0) {
                auto* button = new TKeyButton(place.Entry, this);
                button->setMinimumWidth(place.Quarters * QuarterWidth - 3);
                m_buttons[place.Entry - 1] = button;
                m_group->addButton(button, place.Entry);
                layout->addWidget(button, row, column, 1, place.Quarters);
                connect(button, &TKeyButton::FileDropped, this, &TKeyGrid::FileDropped);
            }
            column += place.Quarters;
        }
        columns = std::max(columns, column);
    }
    for (int column = 0; column < columns; ++column)
        layout->setColumnMinimumWidth(column, QuarterWidth - 3);
    setFocusPolicy(Qt::StrongFocus);
    for (TKeyButton* button : m_buttons)
        button->setFocusPolicy(Qt::NoFocus);
    connect(m_group, &QButtonGroup::idClicked, this, [this](int entry) {
        m_selected = entry;
        Q_EMIT KeyChosen(entry);
    });
    Refresh();
}

void TKeyGrid::Refresh(int entry)
{
    for (int shown = 1; shown <= 88; ++shown) {
        if (entry != 0 && shown != entry)
            continue;
        const TFamilyKey& key = m_settings.Key(shown);
        TKeyButton* button = m_buttons[shown - 1];
        const QString caption = QString::fromStdString(key.Caption);
        button->setText(caption);
        button->setToolTip(caption);
        const QImage picture = KeyPartImage(key, KindPictures);
        button->setIcon(picture.isNull() ? QIcon()
                                         : QIcon(QPixmap::fromImage(picture.scaled(IconSize, IconSize, Qt::KeepAspectRatio,
                                                                                   Qt::SmoothTransformation))));
    }
}

void TKeyGrid::keyPressEvent(QKeyEvent* event)
{
    // Tab and Alt with a letter move about the window as everywhere; every other key picks itself.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const std::uint16_t key = VirtualKeyFromEvent(*event);
    if (key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    Select(TKeys::KeyIndex(key));
}

void TKeyGrid::Select(int entry)
{
    m_selected = entry;
    m_buttons[entry - 1]->setChecked(true);
    Q_EMIT KeyChosen(entry);
}
