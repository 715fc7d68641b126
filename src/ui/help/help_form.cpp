#include "ui/help/help_form.h"

#include "base/language.h"
#include "base/programfolder.h"
#include "ui/widgets/widget_names.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace kv {

namespace {

constexpr int kFileRole = Qt::UserRole;

} // namespace

THelpForm::THelpForm(QWidget* parent)
    : THelpForm(HelpFolderFor(InstalledDataFolder(), LanguageLocale(CurrentLanguage())), parent) {}

THelpForm::THelpForm(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), index_(THelpIndex::Load(folder)) {
    setObjectName(QStringLiteral("THelpForm"));
    setWindowTitle(LangText(680, "Kelvorandine Help"));
    Build();
    // Whole on the screen it opens on, in its middle; Escape closes it as it closes a dialog.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(QSize(960, 680).boundedTo(free.size() * 9 / 10));
    move(free.center() - QPoint(width() / 2, height() / 2));
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    ShowPage(QStringLiteral("index.html"));
}

void THelpForm::Build() {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    const auto button = [&](const char* name, int id, const char* text,
                            QStyle::StandardPixmap icon) {
        auto* b = Named(new QToolButton(this), name);
        b->setText(LangText(id, text));
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        bar->addWidget(b);
        return b;
    };
    back_ = button("HelpBackButton", 681, "&Back", QStyle::SP_ArrowBack);
    forward_ = button("HelpForwardButton", 682, "Fo&rward", QStyle::SP_ArrowForward);
    QToolButton* home = button("HelpHomeButton", 683, "&Home", QStyle::SP_DirHomeIcon);
    bar->addStretch(1);
    layout->addLayout(bar);

    auto* split = Named(new QSplitter(this), "HelpSplitter");
    side_ = Named(new QTabWidget(split), "HelpSide");
    contents_ = Named(new QListWidget(side_), "HelpContents");
    for (const THelpPage& page : index_.Contents()) {
        auto* item = new QListWidgetItem(page.Title, contents_);
        item->setData(kFileRole, page.File);
    }
    side_->addTab(contents_, LangText(684, "C&ontents"));
    auto* searchPage = new QWidget(side_);
    auto* searchLayout = new QVBoxLayout(searchPage);
    search_ = Named(new QLineEdit(searchPage), "HelpSearchEdit");
    search_->setPlaceholderText(LangText(685, "Words to find"));
    search_->setClearButtonEnabled(true);
    auto* find = Named(new QPushButton(LangText(686, "&Find"), searchPage), "HelpFindButton");
    results_ = Named(new QListWidget(searchPage), "HelpResults");
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(find);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(results_, 1);
    side_->addTab(searchPage, LangText(687, "&Search"));
    browser_ = Named(new QTextBrowser(split), "HelpBrowser");
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({index_.Folder()});
    split->addWidget(side_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    split->setSizes({240, 720});
    layout->addWidget(split, 1);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this] { ShowPage(QStringLiteral("index.html")); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(kFileRole).toString()); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(kFileRole).toString()); });
    connect(results_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(kFileRole).toString()); });
    connect(find, &QPushButton::clicked, this, [this] { Search(search_->text()); });
    connect(search_, &QLineEdit::returnPressed, this, [this] { Search(search_->text()); });
}

bool THelpForm::ShowTopic(const QString& topic) {
    const QString target = index_.TopicTarget(topic);
    ShowPage(target.isEmpty() ? QStringLiteral("index.html") : target);
    return !target.isEmpty();
}

void THelpForm::ShowPage(const QString& target) {
    if (index_.IsEmpty()) {
        browser_->setHtml(QStringLiteral("<p>") + LangText(688, "The manual is not installed.") +
                          QStringLiteral("</p>"));
        return;
    }
    browser_->setSource(QUrl(target));
}

void THelpForm::Search(const QString& words) {
    results_->clear();
    for (const THelpPage& page : index_.Search(words)) {
        auto* item = new QListWidgetItem(page.Title, results_);
        item->setData(kFileRole, page.File);
    }
    if (results_->count() == 0) new QListWidgetItem(LangText(689, "Nothing found"), results_);
    side_->setCurrentIndex(1);
}

void THelpForm::ApplyLanguage() {
    // The same page of the manual in the new language, in a window built anew in it.
    const QString target = CurrentTarget();
    const QString folder = HelpFolderFor(InstalledDataFolder(), LanguageLocale(CurrentLanguage()));
    index_ = THelpIndex::Load(folder);
    delete layout();
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    setWindowTitle(LangText(680, "Kelvorandine Help"));
    Build();
    ShowPage(target.isEmpty() ? QStringLiteral("index.html") : target);
}

QString THelpForm::CurrentTarget() const {
    return browser_->source().toString();
}

} // namespace kv
