// The report drawn on a recording paint device: the header and every text of
// the page model reach the device, at the same place in inches whatever the
// resolution, and no two texts of a full configuration overlap or leave the page.

#include "document/PageOps.h"
#include "document/QelDoc.h"
#include "report/Report.h"
#include "report/ui/ReportRenderer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextItem>
#include <memory>
#include <vector>

namespace kiv::report {
namespace {

struct DrawnText {
    QPointF at; // baseline start, device pixels
    QString text;
    QFont font;
};

class CRecordingEngine : public QPaintEngine {
  public:
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& changed) override {
        if (changed.state() & DirtyTransform) transform_ = changed.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        pages_.back().push_back({transform_.map(p), item.text(), item.font()});
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i)
            rules_.push_back(transform_.map(lines[i]));
    }
    Type type() const override { return User; }

    std::vector<std::vector<DrawnText>> pages_{1};
    std::vector<QLineF> rules_;
    QTransform transform_;
};

// An A4 page, printable area only, at `dpi`.
class CRecordingDevice : public QPagedPaintDevice {
  public:
    explicit CRecordingDevice(int dpi) : QPagedPaintDevice(nullptr), dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    bool newPage() override {
        engine_.pages_.emplace_back();
        return true;
    }
    int metric(PaintDeviceMetric m) const override {
        const double inchW = 190 / 25.4, inchH = 277 / 25.4;
        switch (m) {
        case PdmWidth:
            return static_cast<int>(inchW * dpi_);
        case PdmHeight:
            return static_cast<int>(inchH * dpi_);
        case PdmWidthMM:
            return 190;
        case PdmHeightMM:
            return 277;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi_;
        case PdmNumColors:
            return 256;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }
    const std::vector<std::vector<DrawnText>>& Pages() const { return engine_.pages_; }
    const std::vector<QLineF>& Rules() const { return engine_.rules_; }
    int Dpi() const { return dpi_; }

  private:
    mutable CRecordingEngine engine_;
    int dpi_;
};

class RendererTest : public ::testing::Test {
  protected:
    QTemporaryDir dir_;
    // A configuration with every table full.
    static void Fill(CQelDoc& doc) {
        doc.mboxCount = 128;
        for (int i = 0; i < 128; ++i) {
            auto& m = doc.mailboxes[static_cast<std::size_t>(i)];
            m.number = std::to_string(1000 + i);
            m.slot = static_cast<uint8_t>(i);
            m.password = i % 2 ? "6071" : "9999";
            m.phone = "00390612345678901234";
            m.pager = "0612345678";
            m.localNotify = 1 + i % 4;
            m.phoneEnabled = m.pagerEnabled = m.allowed = 1;
            m.language = i % 3;
        }
        doc.extDigits = 4;
        for (int p = 0; p < 39; ++p)
            for (int k = 0; k < 11; ++k)
                doc.pages[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)] = {
                    11, {'2', '3', '4', '5'}, 4};
        for (int t = 0; t < 21; ++t)
            doc.pageText[static_cast<std::size_t>(t)] = "Men\xF9 principale della sede";
        for (int s = 0; s < 20; ++s)
            doc.dialStrings[static_cast<std::size_t>(s)] = "0039061234567890";
        for (std::size_t e = 0; e < doc.inBand.size(); ++e)
            doc.inBand[e] = {11,
                             {'*', '*', '1', '2', '3', '4', '5', '6', '7', '8',
                              '9', '0', '1', '2', '3', '4', '5', '6', '7', '8'},
                             20,
                             {},
                             0};
        doc.holidayCount = 50;
        for (std::size_t h = 0; h < 50; ++h) {
            doc.holidayDate[h] = "31/12";
            doc.holidayStart[h] = "00:00";
            doc.holidayEnd[h] = "23:59";
            doc.holidayText[h] = "Festa patronale";
        }
        for (auto& day : doc.breaks)
            for (auto& b : day)
                b = {12 * 60, 13 * 60, 97};
        for (auto& w : doc.workHours)
            w = "08:30";
        // Two full mailboxes of messages: 100 marked, two sheets of the list.
        for (std::size_t m = 0; m < 2; ++m) {
            auto& r = doc.msgMboxData[m];
            r[0] = 50;
            r[19] = 1;
            r[20] = 2;
            r[21] = static_cast<uint8_t>(m);
            r[22] = 4;
            for (std::size_t s = 0; s < 50; ++s) {
                const std::size_t j = m * 50 + s;
                r[123 + s] = 0x82;
                r[23 + 2 * s] = 0;
                r[24 + 2 * s] = static_cast<uint8_t>(j);
                doc.msgData[j][3] = 0xFF;
                doc.msgData[j][13] = 31;
            }
        }
        doc.msgMboxCount = 2;
        doc.msgCount = 100;
        for (auto* code : {&doc.led1Code, &doc.led2Code, &doc.ledOffCode, &doc.transferCode})
            *code = "##1234567890";
    }
};

const DrawnText* Find(const std::vector<DrawnText>& page, const QString& text) {
    for (const auto& t : page)
        if (t.text == text) return &t;
    return nullptr;
}

TEST_F(RendererTest, HeaderAndBodyReachTheDeviceAtTheSamePlaceOnEveryResolution) {
    CQelDoc doc;
    doc.title = "Sede centrale.qel";
    SelectSection(doc, kSchedule);
    PreparePrint(doc);
    const LocalTime today{2026, 12, 7};

    std::vector<std::unique_ptr<CRecordingDevice>> devices;
    for (int dpi : {300, 600, 1200}) {
        devices.push_back(std::make_unique<CRecordingDevice>(dpi));
        ASSERT_TRUE(PrintPages(*devices.back(), doc, today));
        ASSERT_EQ(devices.back()->Pages().size(), 2u);
    }
    const auto& page = devices[1]->Pages()[0];
    // The header at its fixed report units (1/600 inch), the rule below it.
    const DrawnText* number = Find(page, "Pagina 1");
    const DrawnText* date = Find(page, "07 dicembre 2026");
    const DrawnText* title = Find(page, "Sede centrale.qel");
    ASSERT_TRUE(number && date && title);
    EXPECT_NEAR(title->at.x(), 0, 0.5);
    EXPECT_NEAR(number->at.x(), 2000, 0.5);
    EXPECT_NEAR(date->at.x(), 3500, 0.5);
    EXPECT_EQ(number->at.y(), date->at.y());
    ASSERT_FALSE(devices[1]->Rules().empty());
    EXPECT_GT(devices[1]->Rules()[0].y1(), number->at.y());
    EXPECT_EQ(Find(devices[1]->Pages()[1], "Pagina 2")->at.x(), number->at.x());

    // Every text of the model, Italian letters intact.
    const ReportPage model = BuildPage(doc, 1);
    for (const auto& t : model.texts)
        EXPECT_TRUE(Find(page, QString::fromLatin1(t.text.c_str()))) << t.text;
    EXPECT_TRUE(Find(page, QString::fromUtf8("Lunedì")));
    EXPECT_TRUE(Find(devices[1]->Pages()[1], "ORARIO FESTIVITA'"));

    // The same place in inches on every resolution.
    for (const auto& device : devices) {
        const auto& other = device->Pages()[0];
        ASSERT_EQ(other.size(), page.size());
        for (std::size_t i = 0; i < page.size(); ++i) {
            EXPECT_EQ(other[i].text, page[i].text);
            EXPECT_NEAR(other[i].at.x() / device->Dpi(), page[i].at.x() / 600, 0.002)
                << page[i].text.toStdString();
            EXPECT_NEAR(other[i].at.y() / device->Dpi(), page[i].at.y() / 600, 0.002)
                << page[i].text.toStdString();
        }
    }
}

TEST_F(RendererTest, AFullConfigurationFitsItsPagesWithoutOverlap) {
    CQelDoc doc;
    Fill(doc);
    doc.title = "Pieno.qel";
    for (int section : {kAll, kMessages}) {
        SelectSection(doc, section);
        PreparePrint(doc);
        CRecordingDevice device(600);
        ASSERT_TRUE(PrintPages(device, doc, LocalTime{2026, 2, 28}));
        ASSERT_EQ(static_cast<int>(device.Pages().size()), doc.printPageCount);
        const double width = device.width(), height = device.height();
        for (std::size_t n = 0; n < device.Pages().size(); ++n) {
            const auto& page = device.Pages()[n];
            ASSERT_FALSE(page.empty());
            // Each text's box: its advance wide, the font's height high.
            std::vector<QRectF> boxes;
            for (const auto& t : page) {
                const QFontMetricsF m(t.font);
                boxes.emplace_back(t.at.x(), t.at.y() - m.ascent(), m.horizontalAdvance(t.text),
                                   m.height());
            }
            for (std::size_t i = 0; i < page.size(); ++i) {
                const QRectF& a = boxes[i];
                EXPECT_LE(a.right(), width)
                    << "page " << n + 1 << ": " << page[i].text.toStdString();
                EXPECT_LE(a.bottom(), height)
                    << "page " << n + 1 << ": " << page[i].text.toStdString();
                for (std::size_t j = i + 1; j < page.size(); ++j)
                    EXPECT_FALSE(a.intersects(boxes[j]))
                        << "page " << n + 1 << ": " << page[i].text.toStdString() << " / "
                        << page[j].text.toStdString();
            }
        }
    }
}

// The text of a PDF as pdftotext lays it out, page by page ("\f" between pages).
QString PdfLayoutText(const QString& pdf) {
    QProcess run;
    run.start("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"});
    if (!run.waitForFinished(60000) || run.exitCode() != 0) return {};
    return QString::fromUtf8(run.readAllStandardOutput());
}

// Whether a line of `text` holds `cells` in order, each whole, with at least
// one blank between a cell and the next: a value that runs into its
// neighbour reads as one word and is not found.
bool RowFound(const QString& text, const QStringList& cells) {
    for (const QString& line : text.split('\n')) {
        for (qsizetype at = line.indexOf(cells[0]); at >= 0; at = line.indexOf(cells[0], at + 1)) {
            if (at > 0 && !line[at - 1].isSpace()) continue;
            qsizetype end = at + cells[0].size();
            bool whole = true;
            for (qsizetype c = 1; c < cells.size() && whole; ++c) {
                qsizetype next = end;
                while (next < line.size() && line[next].isSpace())
                    ++next;
                whole = next > end && line.mid(next, cells[c].size()) == cells[c];
                end = next + cells[c].size();
            }
            if (whole && (end == line.size() || line[end].isSpace())) return true;
        }
    }
    return false;
}

TEST_F(RendererTest, TheWidestValuesStandWholeAndApartOnEveryPaper) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "no pdftotext";
    // The widest values the editors let into each column: the widest letters
    // of each field's character set, at each field's longest.
    CQelDoc doc;
    Fill(doc);
    doc.title = "Larghezze.qel";
    doc.operatorKey = 9;
    for (int i = 0; i < 128; ++i) {
        auto& m = doc.mailboxes[static_cast<std::size_t>(i)];
        m.type = 0;
        m.announcer = m.dnd = m.timeStamp = 1;
        m.password = "9999";
        m.localNotify = 2;
        m.language = 1;
        m.phone = "###############";
        m.pager = "##########$$$$$";
    }
    for (std::size_t e = 0; e < doc.inBand.size(); ++e) {
        auto& entry = doc.inBand[e];
        entry.code.fill('#');
        entry.codeLength = 20;
        // Even events transfer to an extension, odd ones show the widest caption.
        entry.operation = e % 2 ? kInBandOpNoAnswerMenu : kInBandOpToExtension;
        entry.target = {'#', '#', '#', '#'};
        entry.targetLength = 4;
    }
    for (auto& page : doc.pages) {
        page[0] = {kPageOpToBusyUnsupervised, {}, 0};
        page[1] = {kPageOpToExtension, {'#', '#', '#', '#'}, 4};
        page[3] = {kPageOpDialString, {19, 0, 0, 0}, 1};
    }
    for (auto& text : doc.pageText)
        text = std::string(40, 'W');
    for (auto& text : doc.dialStrings)
        text = std::string(20, '@');
    for (auto& text : doc.holidayText)
        text = std::string(30, 'M');
    doc.noAnswerWait = 30;
    const std::string w40(40, 'W'), w30(30, 'M');
    const QString at20(20, '@'), hash20(20, '#');

    struct Paper {
        const char* name;
        QPageSize::PageSizeId size;
        QPageLayout::Orientation orientation;
    };
    for (const Paper& paper : {Paper{"A4", QPageSize::A4, QPageLayout::Portrait},
                               Paper{"A4 landscape", QPageSize::A4, QPageLayout::Landscape},
                               Paper{"Letter", QPageSize::Letter, QPageLayout::Portrait}}) {
        SCOPED_TRACE(paper.name);
        const QString pdf = QDir(dir_.path()).filePath(QString(paper.name) + ".pdf");
        {
            QPdfWriter writer(pdf);
            writer.setResolution(static_cast<int>(kUnitsPerInch));
            writer.setPageLayout(QPageLayout(QPageSize(paper.size), paper.orientation,
                                             QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
            SelectSection(doc, kAll);
            PreparePrint(doc);
            ASSERT_TRUE(PrintPages(writer, doc, LocalTime{2026, 12, 7}));
        }
        const QString text = PdfLayoutText(pdf);
        ASSERT_FALSE(text.isEmpty());
        // With KIV_SCREENSHOT_DIR set the PDF is kept there to be looked at.
        const QString keep = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
        if (!keep.isEmpty()) QFile::copy(pdf, QDir(keep).filePath(QFileInfo(pdf).fileName()));

        const QStringList rows[] = {
            {"38", hash20, QString::fromUtf8("Trasferta ad un Interno"), "####"},
            {"39", hash20, QString::fromUtf8("Vai al Menù Mancata Risposta")},
            {"Messaggio Pagina Numero: 20", QString::fromStdString(w40)},
            {"0", QString::fromUtf8("Trasferta Senza Controllo all'Interno Occupato")},
            {"1", "Trasferta ad un Interno", "####"},
            {"3", "Compone una Stringa", "19"},
            {"9", "Operatore"},
            {"19", at20},
            {"20", "Yes", "No", QString::fromStdString(w40)},
            {"31/12", "00:00", "23:59", QString::fromStdString(w30), "31/12", "00:00", "23:59",
             QString::fromStdString(w30)},
            {"1127", "Reale", "Si", "****", "Led Messaggio 2", "Si", "Si ##########...",
             "Si ##########...", "Si", "Si", "Secondo"},
            {"Tempo di attesa per Mancata Risposta", ": 30 sec"},
        };
        for (const QStringList& row : rows)
            EXPECT_TRUE(RowFound(text, row)) << row.join(" | ").toStdString();

        // Nothing lost where a page runs over: every event, page, mailbox and message.
        EXPECT_EQ(text.count(hash20), 40);
        EXPECT_EQ(text.count("Messaggio Pagina Numero"), 39);
        for (int m = 1000; m < 1128; ++m)
            EXPECT_TRUE(RowFound(text, {QString::number(m), "Reale"})) << m;
        EXPECT_EQ(text.count(QRegularExpression("\\d\\d / \\d\\d +\\d\\d : \\d\\d")), 100);
        EXPECT_EQ(text.count(QString::fromStdString(w30)), 50);
    }
}

} // namespace
} // namespace kiv::report

// One application for the whole run, destroyed before the program's exit
// handlers run.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
