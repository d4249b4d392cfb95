#include "app/HelpIndex.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>

namespace kiv {

namespace {

QString PlainText(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

QString ReadPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

int Count(const QString& haystack, const QString& word) {
    int count = 0;
    for (qsizetype at = haystack.indexOf(word); at >= 0; at = haystack.indexOf(word, at + 1))
        ++count;
    return count;
}

} // namespace

QString CHelpIndex::Fold(const QString& text) {
    const QString decomposed = text.toLower().normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing) folded += c;
    return folded;
}

bool CHelpIndex::Load(const QString& folder) {
    folder_ = folder;
    pages_.clear();
    contents_.clear();
    keywords_.clear();
    const QDir dir(folder);
    if (!dir.exists("index.html")) return false;

    static const QRegularExpression titleRe("<title>(.*?)</title>",
                                            QRegularExpression::DotMatchesEverythingOption |
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression headingRe("<h([23])[^>]*>(.*?)</h\\1>",
                                              QRegularExpression::DotMatchesEverythingOption |
                                                  QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression bodyRe("<body[^>]*>(.*)</body>",
                                           QRegularExpression::DotMatchesEverythingOption |
                                               QRegularExpression::CaseInsensitiveOption);
    for (const QString& name : dir.entryList({"*.html"}, QDir::Files, QDir::Name)) {
        const QString html = ReadPage(dir.filePath(name));
        Page page;
        page.topic = name.chopped(5);
        page.title = PlainText(titleRe.match(html).captured(1));
        if (page.title.isEmpty()) page.title = page.topic;
        const auto body = bodyRe.match(html);
        page.text = Fold(PlainText(body.hasMatch() ? body.captured(1) : html));
        if (page.topic != "index") {
            keywords_.push_back({page.title, page.topic});
            for (auto it = headingRe.globalMatch(html); it.hasNext();) {
                const QString heading = PlainText(it.next().captured(2));
                if (!heading.isEmpty())
                    keywords_.push_back({heading + " (" + page.title + ")", page.topic});
            }
        }
        pages_.push_back(std::move(page));
    }
    std::sort(keywords_.begin(), keywords_.end(), [](const Keyword& a, const Keyword& b) {
        return QString::localeAwareCompare(Fold(a.text), Fold(b.text)) < 0;
    });

    // The contents follow index.html: each <h2> a section, each link a page.
    const QString index = ReadPage(dir.filePath("index.html"));
    static const QRegularExpression entryRe(
        "<h2[^>]*>(.*?)</h2>|<a\\s+href=\"([a-z0-9_]+)\\.html(?:#[^\"]*)?\"[^>]*>(.*?)</a>",
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    for (auto it = entryRe.globalMatch(index); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty())
            contents_.push_back({PlainText(m.captured(1)), {}});
        else if (!contents_.empty()) // links above the first section are the introduction's
            contents_.push_back({PlainText(m.captured(3)), m.captured(2)});
    }
    return true;
}

QString CHelpIndex::TitleOf(const QString& topic) const {
    for (const Page& page : pages_)
        if (page.topic == topic) return page.title;
    return {};
}

std::vector<CHelpIndex::Hit> CHelpIndex::Search(const QString& query) const {
    const QStringList words = Fold(query).split(QRegularExpression("\\W+"), Qt::SkipEmptyParts);
    std::vector<Hit> hits;
    if (words.isEmpty()) return hits;
    for (const Page& page : pages_) {
        const QString title = Fold(page.title);
        int score = 0;
        bool all = true;
        for (const QString& word : words) {
            const int inText = Count(page.text, word);
            if (inText == 0) {
                all = false;
                break;
            }
            score += inText + 10 * Count(title, word);
        }
        if (all) hits.push_back({page.topic, page.title, score});
    }
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        return a.score != b.score ? a.score > b.score : a.title < b.title;
    });
    return hits;
}

} // namespace kiv
