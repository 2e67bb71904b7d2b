#include "app/data_sharing.h"

#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStandardPaths>

#include "data/shared_folder.h"
#include "platform/program_error.h"
#include "platform/program_info.h"

namespace {

const QString kUseFolderCaption = QStringLiteral("Use tables from folder...");
// As the pages' Save and Check buttons stand.
constexpr int kLeft = 16;
constexpr int kHeight = 25;
constexpr int kStep = 32;
constexpr int kNarrowest = 75;

int ButtonWidth(const QWidget* panel) {
    return std::max(kNarrowest,
                    QFontMetrics(panel->font()).horizontalAdvance(kUseFolderCaption) + 16);
}

}  // namespace

DataSharing::DataSharing(QWidget* window, Hooks hooks)
    : QObject(window), window_(window), hooks_(std::move(hooks)) {}

void DataSharing::AddButtons(QWidget* panel, int top, const QString& suffix) {
    const int wanted = ButtonWidth(panel) + 2 * kLeft;
    if (panel->maximumWidth() < wanted) {
        panel->setMaximumWidth(wanted);
        // A layout with nothing in it but the room wanted: the panel's size hint. Its minimum
        // stays the panel's own.
        auto* room = new QHBoxLayout(panel);
        room->setContentsMargins(0, 0, 0, 0);
        room->addSpacerItem(new QSpacerItem(wanted, 0, QSizePolicy::Preferred));
    }
    auto* publish = new QPushButton(QStringLiteral("&Publish..."), panel);
    publish->setObjectName(QStringLiteral("ButtonPublish") + suffix);
    publish->setGeometry(kLeft, top, kNarrowest, kHeight);
    connect(publish, &QPushButton::clicked, this,
            [this] { hooks_.guarded([this] { Publish(); }); });
    auto* useFolder = new QPushButton(kUseFolderCaption, panel);
    useFolder->setObjectName(QStringLiteral("ButtonUseFolder") + suffix);
    useFolder->setGeometry(kLeft, top + kStep, ButtonWidth(panel), kHeight);
    connect(useFolder, &QPushButton::clicked, this,
            [this] { hooks_.guarded([this] { UseTablesFromFolder(); }); });
}

void DataSharing::Publish() {
    QString start = hooks_.sharedFolder();
    if (start.isEmpty()) {
        start = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    }
    const QString folder =
        hooks_.chooseFolder(window_, QStringLiteral("Publish the tables to folder"), start);
    if (folder.isEmpty()) {
        return;
    }
    const PublishResult result =
        PublishTables(folder, hooks_.tables(), StampOfNow(ProgramNameAndVersion()));
    if (!result.findings.empty()) {
        hooks_.showFindings(QStringLiteral("Not published: the data check found %1 problem(s):")
                                .arg(result.findings.size()),
                            result.findings);
        return;
    }
    if (!result.error.isEmpty()) {
        throw ProgramError(result.error);
    }
    QStringList published;
    for (const TableVersion& version : result.versions) {
        published << version.fileName + QLatin1Char(' ') + version.ShortHash();
    }
    hooks_.note(QStringLiteral("Published %1 to %2")
                    .arg(published.join(QStringLiteral(" and ")),
                         QDir::toNativeSeparators(QDir::cleanPath(folder))));
}

void DataSharing::UseTablesFromFolder() {
    const QString current = UserSharedFolder();
    if (!current.isEmpty()) {
        QMessageBox question(QMessageBox::Question, window_->windowTitle(),
                             QStringLiteral("The tables are read from the folder %1.")
                                 .arg(QDir::toNativeSeparators(current)),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
        question.setObjectName(QStringLiteral("SharedFolderBox"));
        question.setInformativeText(
            QStringLiteral("Choose another folder, or stop reading tables from it?"));
        question.button(QMessageBox::Yes)->setText(QStringLiteral("&Choose Folder..."));
        question.button(QMessageBox::No)->setText(QStringLiteral("&Stop Using It"));
        question.setDefaultButton(QMessageBox::Yes);
        const int answer = question.exec();
        if (answer == QMessageBox::Cancel) {
            return;
        }
        if (answer == QMessageBox::No) {
            SetUserSharedFolder(QString());
            hooks_.readTablesAgain();
            hooks_.note(QStringLiteral("The tables are no longer read from %1.")
                            .arg(QDir::toNativeSeparators(current)));
            return;
        }
    }
    const QString start = current.isEmpty()
                              ? QStandardPaths::writableLocation(QStandardPaths::HomeLocation)
                              : current;
    const QString folder =
        hooks_.chooseFolder(window_, QStringLiteral("Use tables from folder"), start);
    if (folder.isEmpty()) {
        return;
    }
    SetUserSharedFolder(folder);
    hooks_.readTablesAgain();
    hooks_.note(QStringLiteral("The tables are read from %1 where you have no copy of your own.")
                    .arg(QDir::toNativeSeparators(QDir::cleanPath(folder))));
}

QString ChooseFolderWithDialog(QWidget* parent, const QString& title, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(parent, title, startFolder);
}
