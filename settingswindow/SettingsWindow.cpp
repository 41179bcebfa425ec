#include "settingswindow/SettingsWindow.h"

#include "familycontent/ContentError.h"
#include "familycontent/FamilySettings.h"
#include "play/PlayState.h"
#include "resources/ProgramResources.h"
#include "settingswindow/KeyGrid.h"
#include "settingswindow/KeyPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <exception>
#include <map>
#include <string>
#include <thread>

namespace {

const char* const ModePictures[5] = { "CLASSICTYPE_ON", "PATTERNTYPE_ON", "SHAPETYPE_ON", "PICTURETYPE_ON", "KEYTYPE_ON" };

QString ModeText(int mode)
{
    // Each mode's name with an Alt letter of its own.
    static const int mnemonic[5] = { 1, 1, 3, 1, 1 };
    QString name = QString::fromStdString(PlayModeName(std::uint8_t(mode)));
    name.insert(mnemonic[mode], QLatin1Char('&'));
    switch (mode) {
    case ClassicType:
        return TSettingsWindow::tr("%1: a random figure in random colours").arg(name);
    case PatternType:
        return TSettingsWindow::tr("%1: the key's pattern inside a random figure").arg(name);
    case ShapeType:
        return TSettingsWindow::tr("%1: the key's own shape in the key's colour").arg(name);
    case PictureType:
        return TSettingsWindow::tr("%1: the key's picture").arg(name);
    default:
        return TSettingsWindow::tr("%1: the key's caption in a random typeface, and its name spoken").arg(name);
    }
}

// The longest play time a parent can set, and the shortest.
constexpr int ShortestLimit = 5;
constexpr int LongestLimit = 60;

} // namespace

TSettingsWindow::TSettingsWindow(TFamilySettings& settings, QWidget* parent)
    : QMainWindow(parent)
    , m_settings(settings)
{
    setWindowTitle(tr("Kedoozle Settings") + QStringLiteral("[*]"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* tabs = new QTabWidget(central);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(BuildPlayPage(), tr("Pla&y"));
    tabs->addTab(BuildKeysPage(), tr("&Keys"));
    // On the keys' page a key press picks that key.
    connect(tabs, &QTabWidget::currentChanged, this, [this, tabs](int page) {
        if (page == 1)
            m_grid->setFocus();
    });
    layout->addWidget(tabs, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, central);
    buttons->button(QDialogButtonBox::Save)->setObjectName(QStringLiteral("save"));
    buttons->button(QDialogButtonBox::Save)->setText(tr("&Save"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TSettingsWindow::Save);
    connect(buttons, &QDialogButtonBox::rejected, this, &TSettingsWindow::Cancel);
    layout->addWidget(buttons);
    setCentralWidget(central);
    ShowPlaySettings();
    m_grid->Select(1); // A
    // A key the parent picks sounds as in play.
    connect(m_grid, &TKeyGrid::KeyChosen, m_keyPage, [this] { m_keyPage->Listen(KindSounds); });
    statusBar()->showMessage(tr("Changes are kept here until you save them; play uses them from its next start."));
    resize(1280, 820);
}

QWidget* TSettingsWindow::BuildPlayPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);

    auto* modes = new QGroupBox(tr("Play mode at the start"), page);
    auto* modesLayout = new QVBoxLayout(modes);
    auto* modeGroup = new QButtonGroup(modes);
    for (int mode = 0; mode < 5; ++mode) {
        m_modes[mode] = new QRadioButton(ModeText(mode), modes);
        m_modes[mode]->setObjectName(QStringLiteral("mode%1").arg(mode));
        m_modes[mode]->setIcon(QIcon(QPixmap::fromImage(LoadProgramBitmap(ModePictures[mode]))));
        m_modes[mode]->setIconSize(QSize(32, 32));
        modeGroup->addButton(m_modes[mode], mode);
        modesLayout->addWidget(m_modes[mode]);
    }
    connect(modeGroup, &QButtonGroup::idClicked, this, [this](int mode) {
        m_settings.SetPlayMode(mode);
        ShowModified();
    });
    layout->addWidget(modes);

    auto* play = new QGroupBox(tr("During play"), page);
    auto* form = new QFormLayout(play);
    const auto checkBox = [&](const char* name, const QString& text, void (TFamilySettings::*set)(bool)) {
        auto* box = new QCheckBox(text, play);
        box->setObjectName(QString::fromLatin1(name));
        connect(box, &QCheckBox::toggled, this, [this, set](bool on) {
            if (m_showing)
                return;
            (m_settings.*set)(on);
            ShowModified();
        });
        form->addRow(box);
        return box;
    };
    m_sound = checkBox("sound", tr("Sound on at the s&tart"), &TFamilySettings::SetSound);
    m_childMayChangeSound = checkBox("childMayChangeSound", tr("The c&hild may switch the sound on and off"),
                                     &TFamilySettings::SetChildMayChangeSound);
    m_childMayChangeMode = checkBox("childMayChangeMode", tr("The child may change the play &mode"),
                                    &TFamilySettings::SetChildMayChangeMode);
    m_mousePlay = checkBox("mousePlay", tr("Mo&use play: a click or a drag on the surface draws too"),
                           &TFamilySettings::SetMousePlay);
    m_eraseLimit = new QSpinBox(play);
    m_eraseLimit->setObjectName(QStringLiteral("eraseLimit"));
    m_eraseLimit->setRange(0, 999);
    connect(m_eraseLimit, &QSpinBox::valueChanged, this, [this](int limit) {
        if (m_showing)
            return;
        m_settings.SetEraseLimit(limit);
        ShowModified();
    });
    m_eraseLimit->setMaximumWidth(120);
    form->addRow(tr("&Drawings before the surface clears:"), m_eraseLimit);

    auto* limitRow = new QHBoxLayout;
    m_timeLimitOn = new QCheckBox(tr("&Rest after"), play);
    m_timeLimitOn->setObjectName(QStringLiteral("timeLimitOn"));
    m_timeLimit = new QSpinBox(play);
    m_timeLimit->setObjectName(QStringLiteral("timeLimit"));
    m_timeLimit->setRange(ShortestLimit, LongestLimit);
    m_timeLimit->setSuffix(tr(" minutes"));
    limitRow->addWidget(m_timeLimitOn);
    limitRow->addWidget(m_timeLimit);
    limitRow->addStretch();
    const auto limitChanged = [this] {
        m_timeLimit->setEnabled(m_timeLimitOn->isChecked());
        if (m_showing)
            return;
        m_settings.SetPlayTimeLimit(m_timeLimitOn->isChecked() ? m_timeLimit->value() : 0);
        ShowModified();
    };
    connect(m_timeLimitOn, &QCheckBox::toggled, this, limitChanged);
    connect(m_timeLimit, &QSpinBox::valueChanged, this, limitChanged);
    form->addRow(tr("Play time:"), limitRow);
    auto* limitNote = new QLabel(tr("When the play time is over, the surface shows a calm resting picture and keys "
                                    "and clicks no longer draw or sound; the exit door still works."),
                                 play);
    limitNote->setWordWrap(true);
    form->addRow(limitNote);
    layout->addWidget(play);

    auto* voices = new QGroupBox(tr("Spoken key names"), page);
    auto* voiceRow = new QHBoxLayout(voices);
    m_voice = new QComboBox(voices);
    m_voice->setObjectName(QStringLiteral("voice"));
    m_voice->addItem(tr("The program's own (English)"), QString());
    for (const TVoice& voice : TFamilySettings::Voices())
        m_voice->addItem(QStringLiteral("%1 (%2)").arg(QString::fromStdString(voice.Name), QString::fromStdString(voice.Language)),
                         QString::fromStdString(voice.Language));
    auto* speak = new QPushButton(tr("Speak the key &names in this voice"), voices);
    speak->setObjectName(QStringLiteral("speakNames"));
    connect(speak, &QPushButton::clicked, this, &TSettingsWindow::SpeakNames);
    auto* voiceLabel = new QLabel(tr("&Voice:"), voices);
    voiceLabel->setBuddy(m_voice);
    voiceRow->addWidget(voiceLabel);
    voiceRow->addWidget(m_voice, 1);
    voiceRow->addWidget(speak);
    if (m_voice->count() == 1) {
        speak->setEnabled(false);
        speak->setToolTip(tr("No computer voices are installed (the espeak-ng package)."));
    }
    layout->addWidget(voices);
    layout->addStretch();
    return page;
}

QWidget* TSettingsWindow::BuildKeysPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(tr("Pick a key: click it, or press it on the keyboard. A photo or a sound file "
                                    "dropped on a key goes to that key."),
                                 page));
    m_grid = new TKeyGrid(m_settings, page);
    auto* scroll = new QScrollArea(page);
    scroll->setWidget(m_grid);
    scroll->setWidgetResizable(true);
    scroll->setMinimumHeight(m_grid->sizeHint().height() + 8);
    layout->addWidget(scroll);
    m_keyPage = new TKeyPage(m_settings, page);
    layout->addWidget(m_keyPage, 1);
    auto* restoreAll = new QPushButton(tr("Restore built-in for all keys"), page);
    restoreAll->setObjectName(QStringLiteral("restoreAll"));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(restoreAll);
    layout->addLayout(bottom);
    connect(restoreAll, &QPushButton::clicked, this, &TSettingsWindow::RestoreAllKeys);
    connect(m_grid, &TKeyGrid::KeyChosen, m_keyPage, &TKeyPage::ShowKey);
    connect(m_grid, &TKeyGrid::FileDropped, this, [this](int entry, const QString& path) {
        m_grid->Select(entry);
        m_keyPage->AssignDroppedFile(path);
    });
    connect(m_keyPage, &TKeyPage::KeyChanged, this, [this](int entry) {
        m_grid->Refresh(entry);
        ShowModified();
    });
    return page;
}

void TSettingsWindow::ShowPlaySettings()
{
    m_showing = true;
    const int mode = m_settings.PlayMode();
    if (mode >= 0 && mode < 5)
        m_modes[mode]->setChecked(true);
    m_sound->setChecked(m_settings.Sound());
    m_childMayChangeSound->setChecked(m_settings.ChildMayChangeSound());
    m_childMayChangeMode->setChecked(m_settings.ChildMayChangeMode());
    m_mousePlay->setChecked(m_settings.MousePlay());
    m_eraseLimit->setValue(m_settings.EraseLimit());
    const int limit = m_settings.PlayTimeLimit();
    m_timeLimitOn->setChecked(limit > 0);
    m_timeLimit->setValue(limit > 0 ? limit : 30);
    m_timeLimit->setEnabled(limit > 0);
    const int voice = m_voice->findData(QString::fromStdString(m_settings.Voice()));
    m_voice->setCurrentIndex(voice < 0 ? 0 : voice);
    m_showing = false;
    ShowModified();
}

void TSettingsWindow::ShowModified()
{
    setWindowModified(m_settings.Modified());
}

void TSettingsWindow::RunBusy(const QString& text, const std::function<void()>& work)
{
    QProgressDialog progress(text, QString(), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setCancelButton(nullptr);
    progress.setMinimumDuration(400);
    QEventLoop loop;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}

bool TSettingsWindow::Save()
{
    try {
        RunBusy(tr("Saving..."), [this] { m_settings.Save(); });
    } catch (const TContentError& error) {
        QMessageBox::warning(this, tr("Kedoozle Settings"),
                             tr("Nothing was saved: %1\n\nYour changes are still here.").arg(QString::fromStdString(error.what())));
        return false;
    }
    ShowPlaySettings();
    m_grid->Refresh();
    m_keyPage->ShowKey(m_keyPage->Entry());
    statusBar()->showMessage(tr("Saved. Play uses the new settings from its next start."));
    return true;
}

void TSettingsWindow::SpeakNames()
{
    const std::string voice = m_voice->currentData().toString().toStdString();
    std::map<int, std::string> failures;
    try {
        if (voice.empty()) {
            for (int entry = 1; entry <= 88; ++entry) {
                if (m_settings.Key(entry).Parts[KindSpoken].Origin == TContentOrigin::Voice)
                    m_settings.RestoreBuiltIn(entry, KindSpoken);
            }
            m_settings.SetSetting(TFamilySettings::VoiceKey, "");
        } else {
            RunBusy(tr("Speaking the key names..."), [&] { m_settings.SpeakNames(voice, failures); });
        }
    } catch (const TContentError& error) {
        QMessageBox::warning(this, tr("Kedoozle Settings"), QString::fromStdString(error.what()));
        return;
    }
    m_grid->Refresh();
    m_keyPage->ShowKey(m_keyPage->Entry());
    ShowModified();
    if (!failures.empty())
        QMessageBox::information(this, tr("Kedoozle Settings"),
                                 tr("Key names that could not be spoken: %1. Those keys keep what they had.").arg(failures.size()));
    else
        statusBar()->showMessage(tr("The key names are spoken in the new voice; your own recordings stay."));
}

void TSettingsWindow::RestoreAllKeys()
{
    const auto answer = QMessageBox::question(this, tr("Kedoozle Settings"),
                                              tr("Give every key its built-in picture, pattern, sound, spoken name and caption back?"));
    if (answer != QMessageBox::Yes)
        return;
    m_settings.RestoreAllBuiltIn();
    m_grid->Refresh();
    m_keyPage->ShowKey(m_keyPage->Entry());
    ShowModified();
}

void TSettingsWindow::Cancel()
{
    m_settings.Discard();
    close();
}

void TSettingsWindow::closeEvent(QCloseEvent* event)
{
    if (!m_settings.Modified()) {
        event->accept();
        return;
    }
    const auto answer = QMessageBox::question(this, tr("Kedoozle Settings"), tr("Save your changes before closing?"),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !Save())) {
        event->ignore();
        return;
    }
    event->accept();
}

void TSettingsWindow::BringToFront(bool play)
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    if (play)
        statusBar()->showMessage(tr("Kedoozle does not play while this window is open: close it, then start Kedoozle again."));
}
