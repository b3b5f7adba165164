// The help of the program: HTML pages per language (help/fr, help/en) beside the program or in
// the shared data of its installation, one per topic number (007.html), a contents page
// (index.html), a search over the pages, and a companion guide (guide.html) opened from the
// about box.
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

#include "store/Vocabulary.h"

class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace ui {

// The help of this language becomes the program's help.
void SetHelpLanguage(store::DataLanguage language);
// The folder of the help pages of the current help language.
QString HelpDirectory();
// The help folder of the program in this folder: beside it in a build tree, in the shared data
// of the prefix once installed (lib/tonnelix/tonnelix finds share/tonnelix/help).
QString HelpRootOf(const QString& programDirectory);
// "007.html" for topic 7.
QString HelpTopicPage(int topic);

void ShowHelpContents();
void ShowHelpSearch();
void ShowHelpTopic(int topic);
void ShowHelpGuide();

// The help key of the window opens its topic.
void InstallHelpKey(QWidget* window, int topic);

struct HelpMatch {
    QString page; // file name within the help folder
    QString title;
};
// The pages whose text holds every word of the query, ignoring case and accents.
std::vector<HelpMatch> SearchHelp(const QString& directory, const QString& query);

// The help window: contents, back and forward, a search field, and the page.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* owner = nullptr);

    void setDirectory(const QString& directory);
    void showPage(const QString& page);
    void showSearch();
    void search(const QString& query);
    // The page shown ("007.html"), or empty for a built page (search results, missing page).
    QString currentPage() const;
    QString pageText() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    QString directory_;
    QString current_;
    QPushButton* contents_;
    QPushButton* back_;
    QPushButton* forward_;
    QLineEdit* searchText_;
    QPushButton* searchButton_;
    QTextBrowser* browser_;
};

} // namespace ui
