#include "ui/Help.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/Dialogs.h"
#include "ui/Icons.h"
#include "ui/State.h"

namespace ui {

namespace {

constexpr char kContentsPage[] = "index.html";
constexpr char kGuidePage[] = "guide.html";

// Lower case without accents, so that "maturite" finds "Maturité".
QString Fold(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing) folded += c;
    return folded.toCaseFolded();
}

QString PageTitle(const QString& html, const QString& fallback) {
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    const auto match = title.match(html);
    return match.hasMatch() ? match.captured(1).trimmed() : fallback;
}

QString ReadPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// Requests go to the viewer, which belongs to the window in front so that a modal window
// does not block it; a test's recorder takes them instead.
void Open(const QString& page, int topic, bool focusSearch) {
    if (auto* recorder = testing::ActiveRecorder()) {
        recorder->record({testing::BoxKind::Help, HelpDirectory(),
                          focusSearch ? QStringLiteral("search") : page, topic});
        return;
    }
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = QApplication::activeWindow();
    QPointer<QWidget>& viewer = State().helpViewer;
    if (viewer && viewer != owner && viewer->parentWidget() != owner) {
        viewer->close();
        viewer = nullptr;
    }
    if (!viewer) {
        viewer = new HelpViewer(owner);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    auto* help = static_cast<HelpViewer*>(viewer.data());
    help->setDirectory(HelpDirectory());
    help->showPage(page);
    if (focusSearch) help->showSearch();
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace

void SetHelpLanguage(store::DataLanguage language) {
    State().helpLanguage = language;
}

QString HelpRootOf(const QString& programDirectory) {
    const QString beside = programDirectory + QStringLiteral("/help");
    if (QFileInfo(beside).isDir()) return beside;
    return QDir::cleanPath(programDirectory + QStringLiteral("/../../share/tonnelix/help"));
}

QString HelpDirectory() {
    const char* folder = State().helpLanguage == store::DataLanguage::English ? "en" : "fr";
    return HelpRootOf(QCoreApplication::applicationDirPath()) + QLatin1Char('/') +
           QLatin1String(folder);
}

QString HelpTopicPage(int topic) {
    return QStringLiteral("%1.html").arg(topic, 3, 10, QLatin1Char('0'));
}

void ShowHelpContents() {
    Open(QLatin1String(kContentsPage), 0, false);
}
void ShowHelpSearch() {
    Open(QLatin1String(kContentsPage), 0, true);
}
void ShowHelpTopic(int topic) {
    Open(HelpTopicPage(topic), topic, false);
}
void ShowHelpGuide() {
    Open(QLatin1String(kGuidePage), 0, false);
}

void InstallHelpKey(QWidget* window, int topic) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [topic] { ShowHelpTopic(topic); });
}

std::vector<HelpMatch> SearchHelp(const QString& directory, const QString& query) {
    const QStringList words =
        Fold(query).split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
    std::vector<HelpMatch> matches;
    if (words.isEmpty()) return matches;
    const QDir dir(directory);
    for (const QString& page : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        if (page == QLatin1String(kContentsPage)) continue;
        const QString html = ReadPage(dir.filePath(page));
        const QString text = Fold(QTextDocumentFragment::fromHtml(html).toPlainText());
        const bool all = std::all_of(words.begin(), words.end(),
                                     [&](const QString& w) { return text.contains(w); });
        if (all) matches.push_back({page, PageTitle(html, page)});
    }
    return matches;
}

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowIcon(PictureIcon(Picture::Help));

    contents_ = new QPushButton(this);
    contents_->setObjectName(QStringLiteral("HelpContents"));
    back_ = new QPushButton(this);
    back_->setObjectName(QStringLiteral("HelpBack"));
    forward_ = new QPushButton(this);
    forward_->setObjectName(QStringLiteral("HelpForward"));
    auto* searchLabel = new QLabel(this);
    searchLabel->setObjectName(QStringLiteral("HelpSearchLabel"));
    searchText_ = new QLineEdit(this);
    searchText_->setObjectName(QStringLiteral("HelpSearchText"));
    searchLabel->setBuddy(searchText_);
    searchButton_ = new QPushButton(this);
    searchButton_->setObjectName(QStringLiteral("HelpSearchButton"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpPage"));
    browser_->setOpenExternalLinks(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents_);
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addSpacing(16);
    bar->addWidget(searchLabel);
    bar->addWidget(searchText_, 1);
    bar->addWidget(searchButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    connect(contents_, &QPushButton::clicked, this,
            [this] { showPage(QLatin1String(kContentsPage)); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(searchButton_, &QPushButton::clicked, this, [this] { search(searchText_->text()); });
    connect(searchText_, &QLineEdit::returnPressed, this, [this] { search(searchText_->text()); });
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& source) { current_ = QFileInfo(source.toLocalFile()).fileName(); });
    back_->setEnabled(false);
    forward_->setEnabled(false);

    retranslateUi();
    resize(760, 600);
}

void HelpViewer::setDirectory(const QString& directory) {
    if (directory == directory_) return;
    directory_ = directory;
    browser_->setSearchPaths({directory});
    browser_->clearHistory();
}

void HelpViewer::showPage(const QString& page) {
    const QString path = QDir(directory_).filePath(page);
    if (QFile::exists(path)) {
        const QUrl url = QUrl::fromLocalFile(path);
        if (browser_->source() == url)
            browser_->reload(); // a built page may stand in front of it
        else
            browser_->setSource(url);
        current_ = page;
        return;
    }
    current_.clear();
    browser_->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p>")
                          .arg(QCoreApplication::translate("HelpViewer", "Page d'aide introuvable")
                                   .toHtmlEscaped(),
                               path.toHtmlEscaped()));
}

void HelpViewer::showSearch() {
    searchText_->setFocus();
    searchText_->selectAll();
}

void HelpViewer::search(const QString& query) {
    searchText_->setText(query);
    const auto matches = SearchHelp(directory_, query);
    QString html = QStringLiteral("<h2>%1</h2>")
                       .arg(QCoreApplication::translate("HelpViewer", "Recherche : « %1 »")
                                .arg(query)
                                .toHtmlEscaped());
    if (matches.empty()) {
        html +=
            QStringLiteral("<p>%1</p>")
                .arg(QCoreApplication::translate("HelpViewer", "Aucune page ne contient ces mots.")
                         .toHtmlEscaped());
    } else {
        html += QStringLiteral("<ul>");
        for (const HelpMatch& match : matches) {
            const QString url =
                QUrl::fromLocalFile(QDir(directory_).filePath(match.page)).toString();
            html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                        .arg(url.toHtmlEscaped(), match.title.toHtmlEscaped());
        }
        html += QStringLiteral("</ul>");
    }
    current_.clear();
    browser_->setHtml(html);
}

QString HelpViewer::currentPage() const {
    return current_;
}

QString HelpViewer::pageText() const {
    return browser_->toPlainText();
}

void HelpViewer::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QWidget::changeEvent(event);
}

void HelpViewer::retranslateUi() {
    setWindowTitle(QCoreApplication::translate("HelpViewer", "Aide de Tonnelix"));
    contents_->setText(QCoreApplication::translate("HelpViewer", "&Sommaire"));
    back_->setText(QCoreApplication::translate("HelpViewer", "&Précédent"));
    forward_->setText(QCoreApplication::translate("HelpViewer", "Sui&vant"));
    if (auto* label = findChild<QLabel*>(QStringLiteral("HelpSearchLabel")))
        label->setText(QCoreApplication::translate("HelpViewer", "&Rechercher :"));
    searchButton_->setText(QCoreApplication::translate("HelpViewer", "&Chercher"));
}

} // namespace ui
