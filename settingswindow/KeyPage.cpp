#include "settingswindow/KeyPage.h"

#include "familycontent/ContentError.h"
#include "familycontent/FamilySettings.h"
#include "platform/Sound.h"
#include "play/PlayState.h"
#include "settingswindow/KeyPreview.h"
#include "settingswindow/RecordDialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <string>

namespace {

constexpr QSize PreviewSize(240, 135);

// The four drawings that show a key's own content, in the order of the control panel.
const std::array<std::uint8_t, 4> PreviewModes = { PatternType, ShapeType, PictureType, KeyType };

// The row labels, each with its own Alt letter.
QString KindLabel(int kind)
{
    switch (kind) {
    case KindPictures:
        return TKeyPage::tr("&Picture:");
    case KindPatterns:
        return TKeyPage::tr("Pa&ttern:");
    case KindSounds:
        return TKeyPage::tr("S&ound:");
    default:
        return TKeyPage::tr("Spoken &name:");
    }
}

QString KindName(int kind)
{
    switch (kind) {
    case KindPictures:
        return TKeyPage::tr("Picture");
    case KindPatterns:
        return TKeyPage::tr("Pattern");
    case KindSounds:
        return TKeyPage::tr("Sound");
    default:
        return TKeyPage::tr("Spoken name");
    }
}

QString OriginText(const TKeyPart& part)
{
    if (part.Data.empty() && part.File.empty())
        return TKeyPage::tr("none");
    switch (part.Origin) {
    case TContentOrigin::Family:
        return TKeyPage::tr("your own");
    case TContentOrigin::Voice:
        return TKeyPage::tr("spoken by the computer");
    default:
        return TKeyPage::tr("built-in");
    }
}

QString PictureFilter()
{
    return TKeyPage::tr("Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;All files (*)");
}

QString SoundFilter()
{
    return TKeyPage::tr("Sounds (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;All files (*)");
}

QSize PlaySurfaceSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1920, 1080);
}

} // namespace

TKeyPage::TKeyPage(TFamilySettings& settings, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_title(new QLabel(this))
    , m_caption(new QLineEdit(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    top->addWidget(m_title);
    top->addSpacing(24);
    auto* captionLabel = new QLabel(tr("C&aption:"), this);
    captionLabel->setBuddy(m_caption);
    m_caption->setObjectName(QStringLiteral("caption"));
    m_caption->setMaxLength(40);
    top->addWidget(captionLabel);
    top->addWidget(m_caption, 1);
    auto* restoreKey = new QPushButton(tr("Restore built-in for this key"), this);
    restoreKey->setObjectName(QStringLiteral("restoreKey"));
    top->addWidget(restoreKey);
    layout->addLayout(top);
    connect(m_caption, &QLineEdit::editingFinished, this, &TKeyPage::CaptionEdited);
    connect(restoreKey, &QPushButton::clicked, this, &TKeyPage::RestoreKey);

    auto* previews = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* box = new QGroupBox(QString::fromStdString(PlayModeName(PreviewModes[i])), this);
        auto* boxLayout = new QVBoxLayout(box);
        m_previews[i] = new QLabel(box);
        m_previews[i]->setObjectName(QStringLiteral("preview%1").arg(PreviewModes[i]));
        m_previews[i]->setFixedSize(PreviewSize);
        m_previews[i]->setAlignment(Qt::AlignCenter);
        boxLayout->addWidget(m_previews[i]);
        previews->addWidget(box);
    }
    previews->addStretch();
    layout->addLayout(previews);

    auto* parts = new QGridLayout;
    static const char* const partNames[] = { "picture", "pattern", "sound", "spoken" };
    for (int kind = 0; kind < ContentKindCount; ++kind) {
        const QString name = QString::fromLatin1(partNames[kind]);
        auto* label = new QLabel(KindLabel(kind), this);
        parts->addWidget(label, kind, 0);
        m_origins[kind] = new QLabel(this);
        m_origins[kind]->setObjectName(name + QStringLiteral("Origin"));
        m_origins[kind]->setMinimumWidth(180);
        parts->addWidget(m_origins[kind], kind, 1);
        const bool sound = !ContentKind(kind).Picture;
        int column = 2;
        if (sound) {
            m_listenButtons[kind] = new QPushButton(tr("Listen"), this);
            m_listenButtons[kind]->setObjectName(name + QStringLiteral("Listen"));
            connect(m_listenButtons[kind], &QPushButton::clicked, this, [this, kind] { Listen(kind); });
            parts->addWidget(m_listenButtons[kind], kind, column);
        }
        ++column;
        auto* choose = new QPushButton(tr("From a file..."), this);
        choose->setObjectName(name + QStringLiteral("File"));
        label->setBuddy(choose);
        connect(choose, &QPushButton::clicked, this, [this, kind] { ChooseFile(kind); });
        parts->addWidget(choose, kind, column++);
        if (sound) {
            auto* record = new QPushButton(kind == KindSounds ? tr("&Record...") : tr("Recor&d..."), this);
            record->setObjectName(name + QStringLiteral("Record"));
            connect(record, &QPushButton::clicked, this, [this, kind] { Record(kind); });
            parts->addWidget(record, kind, column);
        }
        ++column;
        m_restoreButtons[kind] = new QPushButton(tr("Built-in"), this);
        m_restoreButtons[kind]->setObjectName(name + QStringLiteral("Restore"));
        connect(m_restoreButtons[kind], &QPushButton::clicked, this, [this, kind] { Restore(kind); });
        parts->addWidget(m_restoreButtons[kind], kind, column);
    }
    parts->setColumnStretch(6, 1);
    layout->addLayout(parts);
    auto* hint = new QLabel(tr("Pictures are turned upright and made no larger than play shows them; sounds are "
                               "trimmed, evened out and kept to five seconds. Nothing is written until you save."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addStretch();
}

void TKeyPage::ShowKey(int entry)
{
    m_entry = entry;
    Refresh();
}

void TKeyPage::Refresh()
{
    if (m_entry == 0)
        return;
    const TFamilyKey& key = m_settings.Key(m_entry);
    const TFamilyKey& builtIn = m_settings.BuiltInKey(m_entry);
    m_title->setText(tr("Key %1").arg(QString::fromStdString(builtIn.Caption)));
    m_caption->setText(QString::fromStdString(key.Caption));
    const QSize surface = PlaySurfaceSize();
    for (int i = 0; i < 4; ++i) {
        const QImage drawing = DrawKeyPreview(key, m_entry, PreviewModes[i], surface);
        m_previews[i]->setPixmap(QPixmap::fromImage(drawing.scaled(PreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    for (int kind = 0; kind < ContentKindCount; ++kind) {
        const TKeyPart& part = key.Parts[kind];
        m_origins[kind]->setText(OriginText(part));
        m_restoreButtons[kind]->setEnabled(part.Origin != TContentOrigin::BuiltIn);
        if (m_listenButtons[kind])
            m_listenButtons[kind]->setEnabled(!part.Data.empty() || !part.File.empty());
    }
}

bool TKeyPage::AssignFile(int kind, const QString& path)
{
    try {
        m_settings.AssignFile(m_entry, TContentKind(kind), path.toStdString());
    } catch (const TContentError& error) {
        // The reason names the file.
        QMessageBox::warning(this, tr("Kedoozle Settings"), QString::fromStdString(error.what()));
        return false;
    }
    Refresh();
    Q_EMIT KeyChanged(m_entry);
    return true;
}

bool TKeyPage::AssignDroppedFile(const QString& path)
{
    const QString mime = QMimeDatabase().mimeTypeForFile(path).name();
    const bool picture = mime.startsWith(QLatin1String("image/"));
    return AssignFile(picture ? KindPictures : KindSounds, path);
}

void TKeyPage::ChooseFile(int kind)
{
    const bool picture = ContentKind(kind).Picture;
    const QString path = QFileDialog::getOpenFileName(this, tr("%1 for key %2").arg(KindName(kind), m_caption->text()),
                                                      QString(), picture ? PictureFilter() : SoundFilter(), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty())
        AssignFile(kind, path);
}

void TKeyPage::Record(int kind)
{
    TRecordDialog dialog(this);
    dialog.setWindowTitle(tr("%1 for key %2").arg(KindName(kind), m_caption->text()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        m_settings.AssignSamples(m_entry, TContentKind(kind), dialog.Samples(), dialog.SampleRate());
    } catch (const TContentError& error) {
        QMessageBox::warning(this, tr("Kedoozle Settings"),
                             tr("The recording cannot be used: %1").arg(QString::fromStdString(error.what())));
        return;
    }
    Refresh();
    Q_EMIT KeyChanged(m_entry);
}

void TKeyPage::Restore(int kind)
{
    m_settings.RestoreBuiltIn(m_entry, TContentKind(kind));
    Refresh();
    Q_EMIT KeyChanged(m_entry);
}

void TKeyPage::RestoreKey()
{
    m_settings.RestoreBuiltIn(m_entry);
    Refresh();
    Q_EMIT KeyChanged(m_entry);
}

void TKeyPage::Listen(int kind)
{
    const TKeyPart& part = m_settings.Key(m_entry).Parts[kind];
    if (!part.File.empty())
        PlaySound(part.File, 0, SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
    else
        PlaySoundData(part.Data, SND_ASYNC | SND_NODEFAULT);
}

void TKeyPage::CaptionEdited()
{
    const std::string caption = m_caption->text().toStdString();
    if (m_entry == 0 || caption == m_settings.Key(m_entry).Caption)
        return;
    m_settings.SetCaption(m_entry, caption);
    Refresh();
    Q_EMIT KeyChanged(m_entry);
}
