#pragma once
// The guide's pages as the help viewer sees them: the contents (the links of
// index.html under its section headings), the index (every page title and
// section heading, alphabetical) and a full-text search over the pages.

#include <QString>
#include <QStringList>
#include <vector>

namespace kiv {

class CHelpIndex {
  public:
    struct Page {
        QString topic; // the file name without ".html"
        QString title;
        QString text; // plain text, folded for searching
    };
    // A line of the contents: a section (no topic) or a page in it.
    struct ContentsEntry {
        QString title;
        QString topic;
    };
    struct Keyword {
        QString text;
        QString topic;
    };
    struct Hit {
        QString topic;
        QString title;
        int score = 0;
    };

    // Reads every page of the folder. False when it holds no index.html.
    bool Load(const QString& folder);

    const QString& Folder() const { return folder_; }
    const std::vector<Page>& Pages() const { return pages_; }
    const std::vector<ContentsEntry>& Contents() const { return contents_; }
    const std::vector<Keyword>& Keywords() const { return keywords_; }
    QString TitleOf(const QString& topic) const;

    // Pages that hold every word of the query (case and accents ignored),
    // the best first: a word in the title counts more than one in the text.
    std::vector<Hit> Search(const QString& query) const;

    // Lower case without accents, so that "unita" finds "unità".
    static QString Fold(const QString& text);

  private:
    QString folder_;
    std::vector<Page> pages_;
    std::vector<ContentsEntry> contents_;
    std::vector<Keyword> keywords_;
};

} // namespace kiv
