// The window's keyboard: shortcuts for the everyday steps, and accessible
// names for the widgets whose meaning a screen reader cannot read off a text.
#include "app/norvane.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QShortcut>
#include <QSlider>
#include <QTabWidget>

namespace {

// The button gets the shortcut named in its tool tip, in its own (translated) words.
void NameShortcut(QWidget* window, const char* buttonName, const QKeySequence& keys) {
    if (auto* button = window->findChild<QAbstractButton*>(buttonName))
        button->setToolTip(QString("%1 (%2)").arg(button->text().trimmed(), keys.toString(QKeySequence::NativeText)));
}

}  // namespace

void Norvane::BuildShortcuts() {
    const auto bind = [this](const QKeySequence& keys, auto slot, QWidget* scope = nullptr) {
        auto* shortcut = new QShortcut(keys, scope ? scope : this);
        if (scope) shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_I), &Norvane::AddOne);
    bind(QKeySequence(Qt::Key_Insert), &Norvane::AddOne, ayaListBox);
    bind(QKeySequence(Qt::Key_Space), &Norvane::PlayAya, ayaListBox);
    // Delete removes the selected items only where the list has the focus,
    // so that it still deletes text in the folder's field.
    bind(QKeySequence::Delete, &Norvane::RemoveOne, burnListView);
    bind(QKeySequence::Save, &Norvane::SavePlaylist);
    bind(QKeySequence::Open, &Norvane::LoadPlaylist);
    bind(QKeySequence(Qt::CTRL | Qt::Key_M), [this] {
        const auto* tabs = findChild<QTabWidget*>("tabs");
        tabs && tabs->currentWidget()->objectName() == "cdPage" ? MakeCD() : MakeMP3();
    });
    NameShortcut(this, "addAyaButton", QKeySequence(Qt::CTRL | Qt::Key_I));
    NameShortcut(this, "removeAyaButton", QKeySequence::Delete);
    NameShortcut(this, "savePlaylistButton", QKeySequence::Save);
    NameShortcut(this, "loadPlaylistButton", QKeySequence::Open);
    NameShortcut(this, "makeCdButton", QKeySequence(Qt::CTRL | Qt::Key_M));
    NameShortcut(this, "makeMp3Button", QKeySequence(Qt::CTRL | Qt::Key_M));
}

void Norvane::NameForScreenReaders() {
    const QList<QPair<const char*, QString>> names{
        {"burnListBox", tr("Playlist")},         {"ayaListBox", tr("Ayas of the sura")},
        {"suraCombo", tr("Sura")},               {"recitationCombo", tr("Recitation")},
        {"cdLengthLabel", tr("CD length")},      {"driveCombo", tr("CD drive")},
        {"groupCombo", tr("Group number")},      {"bitrateSlider", tr("MP3 bit rate")},
        {"writingSpeedSlider", tr("CD writing speed")}, {"statusProgress", tr("Progress")}};
    for (const auto& [object, name] : names)
        if (auto* widget = findChild<QWidget*>(object)) widget->setAccessibleName(name);
}
