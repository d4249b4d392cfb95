// kivtool as a user runs it: whole processes, files on disk, exit statuses.
#include "document/Json.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace {
namespace fs = std::filesystem;
using kiv::json::Value;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

class KivtoolTest : public ::testing::Test {
  protected:
    // Runs kivtool in the test folder (its start folder).
    Result Run(const std::string& args) {
        const std::string tool = std::string(KIV_BUILD_DIR) + "/bin/kivtool";
        const std::string cmd = "cd '" + dir_.string() + "' && " + env_ + "'" + tool + "' " + args +
                                " >out.txt 2>err.txt";
        Result r;
        const int raw = std::system(cmd.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = Read("out.txt");
        r.err = Read("err.txt");
        return r;
    }
    std::string Read(const std::string& name) {
        std::ifstream in(dir_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    static Value Json(const std::string& text) {
        Value v;
        std::string error;
        EXPECT_TRUE(kiv::json::Parse(text, v, error)) << error;
        return v;
    }
    // A dump without the members that a load takes from the computer's clock.
    static Value Stable(Value v) {
        Value out = Value::object();
        for (const auto& [key, value] : v.items())
            if (key.rfind("clock", 0) != 0) out[key] = value;
        return out;
    }

    // Set before the program's name, e.g. "LSAN_OPTIONS=... ".
    std::string env_;
    kiv::test::CTempDir tempDir_{"kivtool"};
    const fs::path& dir_ = tempDir_.Path();
};

TEST_F(KivtoolTest, NewDumpImportConvertRoundTrip) {
    ASSERT_EQ(Run("new --type 0 -o base.qel").status, 0);
    Result dumped = Run("dump base.qel");
    ASSERT_EQ(dumped.status, 0) << dumped.err;
    Value config = Json(dumped.out);
    EXPECT_EQ(config["productType"], 0);
    EXPECT_EQ(config["fileValid"], 1);
    EXPECT_EQ(config["unitPassword"], "6071");

    // Change a few members through JSON, including mailboxes and an accented text.
    config["mboxCount"] = 2;
    config["mailboxes"] = Value::array(
        {{{"number", "101"}, {"slot", 0}}, {{"number", "102"}, {"phone", "0123P45"}, {"slot", 1}}});
    config["faxExt"] = "Città";
    Write("edited.json", kiv::json::Write(config));
    Result imported = Run("import edited.json -o edited.qel");
    ASSERT_EQ(imported.status, 0) << imported.err;

    Result again = Run("dump edited.qel");
    ASSERT_EQ(again.status, 0) << again.err;
    Value back = Json(again.out);
    EXPECT_EQ(back["faxExt"], "Città");
    ASSERT_EQ(back["mailboxes"].size(), 2u);
    EXPECT_EQ(back["mailboxes"][1]["password"], " ");
    EXPECT_EQ(back["mailboxes"][1]["phone"], "0123P45");
    EXPECT_EQ(back["operatorKey"], 0);

    // Dump then import gives back the same file, byte for byte outside the clock.
    Write("again.json", again.out);
    ASSERT_EQ(Run("import again.json -o copy.qel").status, 0);
    EXPECT_EQ(Stable(Json(Run("dump copy.qel").out)), Stable(back));

    // Two mailboxes fit a "RZ 2 Mbx" file; the converted file loads as that type.
    ASSERT_EQ(Run("convert edited.qel -o small.ri2").status, 0);
    EXPECT_EQ(Json(Run("dump small.ri2").out)["productType"], 3);
}

TEST_F(KivtoolTest, RefusedAndBrokenFiles) {
    ASSERT_EQ(Run("new --type 0 -o a.qel").status, 0);
    fs::copy_file(dir_ / "a.qel", dir_ / "a.txt");
    Result refused = Run("dump a.txt");
    EXPECT_EQ(refused.status, 2);
    Value v = Json(refused.out);
    EXPECT_EQ(v["fileValid"], 0);
    ASSERT_EQ(v["loadMessages"].size(), 1u);
    EXPECT_EQ(v["loadMessages"][0], "Il file selezionato non è compatibile con l'unità");
    EXPECT_NE(refused.err.find("compatibile"), std::string::npos);

    // An older (shorter) file loads with the warning.
    const std::string full = Read("a.qel");
    Write("short.qel", full.substr(0, full.size() / 2));
    Result older = Run("dump short.qel");
    EXPECT_EQ(older.status, 0);
    EXPECT_EQ(Json(older.out)["loadMessages"][0],
              "Questo file è stato creato con una versione precedente, ci potrebbero essere dati "
              "mancanti !");

    EXPECT_EQ(Run("dump missing.qel").status, 1);
    EXPECT_EQ(Run("dump").status, 1);
    EXPECT_EQ(Run("frobnicate").status, 1);
}

TEST_F(KivtoolTest, ImportRefusesWithTheKeyName) {
    Write("bad.json", R"({"operatorKey": 3, "ledMode": 7})");
    Result r = Run("import bad.json -o x.qel");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("ledMode: value 7 outside 0-1"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir_ / "x.qel"));

    // Texts the unit cannot take as codes, named by their members.
    Write("codes.json", R"({"lineSeizeCode": "12345"})");
    Result codes = Run("import codes.json -o x.qel");
    EXPECT_EQ(codes.status, 1);
    EXPECT_NE(codes.err.find("codes.json: lineSeizeCode: cannot be coded for the unit: at most 4 "
                             "dial codes"),
              std::string::npos)
        << codes.err;
    Write("phone.json", R"({"mailboxes": [{"number": "101"}, {"number": "102", "phone": "12&"}]})");
    Result phone = Run("import phone.json -o x.qel");
    EXPECT_EQ(phone.status, 1);
    EXPECT_NE(phone.err.find("mailboxes[1].phone: cannot be coded"), std::string::npos)
        << phone.err;
    EXPECT_FALSE(fs::exists(dir_ / "x.qel"));

    // Faults of the JSON text are placed by line and column, a repeated key included.
    Write("syntax.json", "{\"operatorKey\": 3,,}");
    Result syntax = Run("import syntax.json -o x.qel");
    EXPECT_EQ(syntax.status, 1);
    EXPECT_NE(syntax.err.find("syntax.json: line 1, column 19: "), std::string::npos) << syntax.err;
    Write("twice.json", "{\"operatorKey\": 3,\n \"operatorKey\": 4}");
    Result twice = Run("import twice.json -o x.qel");
    EXPECT_EQ(twice.status, 1);
    EXPECT_NE(twice.err.find("twice.json: line 2, column 2: duplicate key \"operatorKey\""),
              std::string::npos)
        << twice.err;
    EXPECT_FALSE(fs::exists(dir_ / "x.qel"));

    Write("many.json", R"({"mailboxes": [{"number": "1"}, {"number": "2"}, {"number": "3"}]})");
    Result tooMany = Run("import many.json -o x.ri2");
    EXPECT_EQ(tooMany.status, 2);
    EXPECT_NE(tooMany.err.find("RZ 2 Mbx"), std::string::npos);
    EXPECT_EQ(Run("import many.json -o x.doc").status, 1);
}

TEST_F(KivtoolTest, DefaultsComeFromTheStartFolderFirst) {
    // No default file here: the installed one beside kivtool is used.
    Result installed = Run("dump --default 2");
    EXPECT_EQ(installed.status, 0) << installed.err;
    EXPECT_EQ(Json(installed.out)["productType"], 2);

    // A default file in the start folder wins; one with too many mailboxes is refused.
    ASSERT_EQ(Run("new --type 0 -o big.qel").status, 0);
    Write("b.json", R"({"mailboxes": [{"number": "1"}, {"number": "2"}, {"number": "3"}]})");
    ASSERT_EQ(Run("import b.json -o big.qel").status, 0);
    fs::rename(dir_ / "big.qel", dir_ / "default.ri2");
    Result refused = Run("dump --default 3");
    EXPECT_EQ(refused.status, 2);
    Value v = Json(refused.out);
    EXPECT_EQ(v["mboxCount"], 0);
    EXPECT_EQ(v["loadMessages"][0], "Il file selezionato non è compatibile con l'unità");

    EXPECT_EQ(Run("new --type 2 -o wrong.qel").status, 1);
    EXPECT_EQ(Run("dump --default 7").status, 1);
}

TEST_F(KivtoolTest, EveryCommandHasHelp) {
    for (const char* c :
         {"dump", "new", "import", "convert", "mailboxes", "diff", "diagram", "schedule"}) {
        Result r = Run(std::string(c) + " --help");
        EXPECT_EQ(r.status, 0) << c;
        EXPECT_NE(r.out.find("usage: kivtool"), std::string::npos) << c;
    }
    EXPECT_EQ(Run("--help").status, 0);
}

// The week picture: a break on Monday drawn where its times say, a mark for a
// break outside the working hours, the formats by extension, the exit statuses.
TEST_F(KivtoolTest, ScheduleDrawsTheWeek) {
    ASSERT_EQ(Run("new --type 0 -o base.qel").status, 0);
    Value config = Json(Run("dump base.qel").out);
    config["operatingMode"] = 4;
    config["workHours"][0] = "08:00";
    config["workHours"][7] = "12:00";
    // 12:30-13:00 (750-780 minutes): outside Monday's 08:00-12:00.
    config["breaks"][0][0] = {{"start", 750}, {"end", 780}, {"page", 0}};
    Write("week.json", kiv::json::Write(config));
    Result imported = Run("import week.json -o week.qel");
    ASSERT_EQ(imported.status, 0) << imported.err;

    Result drawn = Run("schedule week.qel -o week.svg");
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    const std::string svg = Read("week.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u) << svg.substr(0, 80);
    // The axis starts at x 120 with 0.6 units a minute: 12:30 to 13:00 is 570 to 588.
    EXPECT_NE(svg.find("<rect class=\"break\" x=\"570\" y=\"92\" width=\"18\" height=\"16\" "
                       "id=\"break-0-0\""),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("fuori dall&apos;Orario Lavoro"), std::string::npos);

    if (Run("report --help").status == 0) { // PNG and PDF need the Qt build
        Write("lsan.supp", "leak:libfontconfig\n");
        env_ = "LSAN_OPTIONS=suppressions='" + (dir_ / "lsan.supp").string() + "' ";
        ASSERT_EQ(Run("schedule week.qel -o week.png").status, 0);
        EXPECT_EQ(Read("week.png").substr(0, 4), "\x89PNG");
        ASSERT_EQ(Run("schedule --default 2 -o default.pdf").status, 0);
        EXPECT_EQ(Read("default.pdf").substr(0, 5), "%PDF-");
    }
    // A name whose extension is no product type's: refused.
    fs::copy_file(dir_ / "week.qel", dir_ / "week.txt");
    EXPECT_EQ(Run("schedule week.txt -o b.svg").status, 2);
    EXPECT_FALSE(fs::exists(dir_ / "b.svg"));
    EXPECT_EQ(Run("schedule week.qel -o week.txt").status, 1);
    EXPECT_EQ(Run("schedule missing.qel -o m.svg").status, 1);
    EXPECT_EQ(Run("schedule week.qel").status, 1);
}

// The report as a PDF: one PDF page per report page, with its text embedded as
// text (a font with a Unicode map), and the section chosen as the submenu does.
TEST_F(KivtoolTest, ReportWritesThePagesOfTheSelectionToAPdf) {
    if (Run("report --help").status != 0) GTEST_SKIP() << "kivtool built without Qt";
    ASSERT_EQ(Run("new --type 1 -o sede.dax").status, 0);
    auto pages = [this](const std::string& pdf) {
        const std::string text = Read(pdf);
        int count = 0;
        for (std::size_t at = text.find("/Type /Page"); at != std::string::npos;
             at = text.find("/Type /Page", at + 1))
            if (text.compare(at, 12, "/Type /Pages") != 0) ++count;
        return count;
    };
    Result all = Run("report sede.dax -o all.pdf");
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(Read("all.pdf").rfind("%PDF", 0), 0u);
    EXPECT_EQ(pages("all.pdf"), 10);
    EXPECT_NE(Read("all.pdf").find("/ToUnicode"), std::string::npos);
    // Where the PDF text tools are installed: the words come back out as typed,
    // accents and "ff" included.
    if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
        ASSERT_EQ(std::system(("cd '" + dir_.string() + "' && pdftotext all.pdf all.txt").c_str()),
                  0);
        const std::string text = Read("all.txt");
        for (const char* word : {"Pagina 10", "PARAMETRI PBX", "Tempo-Off", "Luned\xC3\xAC",
                                 "Modalit\xC3\xA0 Trasferta", "LISTA DEI MESSAGGI", "sede.dax"})
            EXPECT_NE(text.find(word), std::string::npos) << word;
    }

    ASSERT_EQ(Run("report --section 5 sede.dax -o orario.pdf").status, 0);
    EXPECT_EQ(pages("orario.pdf"), 2);

    EXPECT_EQ(Run("report --section 6 sede.dax -o x.pdf").status, 1);
    EXPECT_EQ(Run("report sede.dax").status, 1);
    EXPECT_EQ(Run("report missing.dax -o x.pdf").status, 1);
    EXPECT_FALSE(fs::exists(dir_ / "x.pdf"));
}

TEST_F(KivtoolTest, MailboxesGoToCsvAndBackAllOrNothing) {
    ASSERT_EQ(Run("new --type 0 -o base.qel").status, 0);
    const std::string header = "number,type,attendant,password,internal_notification,authorised,"
                               "phone,phone_enabled,pager,pager_enabled,do_not_disturb,"
                               "date_time,language\r\n";
    Write("in.csv", header + "101,0,1,6071,0,1,\"0123\",1,,0,0,1,0\r\n"
                             "102,1,0,****,0,0,,0,,0,1,0,2\r\n");
    Result imported = Run("mailboxes import base.qel in.csv -o with.qel");
    ASSERT_EQ(imported.status, 0) << imported.err;
    Result exported = Run("mailboxes export with.qel -o out.csv");
    ASSERT_EQ(exported.status, 0) << exported.err;
    // The telephone number as a formula giving text: a spreadsheet keeps its "0".
    EXPECT_EQ(Read("out.csv"), header + "101,0,1,6071,0,1,\"=\"\"0123\"\"\",1,,0,0,1,0\r\n"
                                        "102,1,0,6071,0,0,,0,,0,1,0,2\r\n");

    // Two faulty rows: both named on stderr, the output never written.
    Write("bad.csv", header + "101,0,1,6071,0,0,0123,0,,0,0,1,0\r\n"
                              "103,1,0,6071,0,0,,0,,0,0,1,0\r\n");
    Result refused = Run("mailboxes import with.qel bad.csv -o never.qel");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("bad.csv:2: colonna phone: valore \"0123\": un numero \xC3\xA8 "
                               "ammesso solo per una casella autorizzata (authorised 1)"),
              std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("bad.csv:3: colonna do_not_disturb: Le Caselle Virtuali devono "
                               "essere settate Non Disturbare = Si"),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(dir_ / "never.qel"));
    EXPECT_EQ(Run("mailboxes import with.qel").status, 1);
}

TEST_F(KivtoolTest, DiffExitStatusesAndJson) {
    ASSERT_EQ(Run("new --type 0 -o a.qel").status, 0);
    Write("one.csv", "number,type,attendant,password,internal_notification,authorised,phone,"
                     "phone_enabled,pager,pager_enabled,do_not_disturb,date_time,language\r\n"
                     "101,0,0,6071,0,0,,0,,0,0,1,0\r\n");
    ASSERT_EQ(Run("mailboxes import a.qel one.csv -o b.qel").status, 0);

    Result same = Run("diff a.qel a.qel");
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "");

    Result differ = Run("diff a.qel b.qel");
    EXPECT_EQ(differ.status, 1) << differ.err;
    EXPECT_EQ(differ.out.substr(0, differ.out.find('\n')),
              "Lista Caselle | Casella 101: \"\" -> Si");

    Result json = Run("diff b.qel a.qel --json");
    EXPECT_EQ(json.status, 1) << json.err;
    const Value list = Json(json.out);
    ASSERT_TRUE(list.is_array());
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list[0]["sheet"], "Lista Caselle");
    EXPECT_EQ(list[0]["caption"], "Casella 101");
    EXPECT_EQ(list[0]["first"], "Si");
    EXPECT_EQ(list[0]["second"], "");

    // The same bytes as another product type: that is the first difference.
    fs::copy_file(dir_ / "a.qel", dir_ / "a.ri2");
    Result type = Run("diff a.qel a.ri2");
    EXPECT_EQ(type.status, 1) << type.err;
    EXPECT_EQ(type.out.substr(0, type.out.find('\n')),
              "Tipo Prodotto | Tipo Prodotto: RZ 128 Mbx -> RZ 2 Mbx");

    // A side that cannot be read, or a refused file: 2.
    EXPECT_EQ(Run("diff a.qel missing.qel").status, 2);
    fs::copy_file(dir_ / "a.qel", dir_ / "a.txt"); // refused: no product type of the unit
    EXPECT_EQ(Run("diff a.qel a.txt").status, 2);
    EXPECT_EQ(Run("diff a.qel").status, 2);
    EXPECT_EQ(Run("diff a.qel b.qel --port 1").status, 2);
}

TEST_F(KivtoolTest, DiagramOfAConfiguration) {
    // The drawing's font library keeps its caches to the end of the process.
    Write("lsan.supp", "leak:libfontconfig\n");
    env_ = "LSAN_OPTIONS=suppressions='" + (dir_ / "lsan.supp").string() + "' ";
    // Page 00 opens every line; its key 1 goes to page 31, which nobody
    // else names; page 04 is programmed but unreachable.
    ASSERT_EQ(Run("new --type 0 -o base.qel").status, 0);
    Value config = Json(Run("dump base.qel").out);
    for (auto& line : config["openingPage"])
        line = Value::array({0, 0, 0, 0});
    config["operatorKey"] = 9;
    config["pages"][0][1] = {{"op", 1}, {"target", {27, 0, 0, 0}}, {"targetInfo", 1}};
    config["pages"][4][0] = {{"op", 14}};
    Write("flow.json", kiv::json::Write(config));
    Result imported = Run("import flow.json -o flow.qel");
    ASSERT_EQ(imported.status, 0) << imported.err;

    Result dot = Run("diagram flow.qel -o flow.dot");
    ASSERT_EQ(dot.status, 0) << dot.err;
    const std::string text = Read("flow.dot");
    EXPECT_EQ(text.rfind("digraph ", 0), 0u);
    EXPECT_NE(text.find("p0 -> p27 [label=\"1\"];"), std::string::npos) << text;
    EXPECT_NE(text.find("Pagina 04\\n(non raggiungibile)"), std::string::npos) << text;

    ASSERT_EQ(Run("diagram flow.qel -o flow.png").status, 0);
    EXPECT_EQ(Read("flow.png").substr(0, 4), "\x89PNG");
    ASSERT_EQ(Run("diagram --default 1 -o default.svg").status, 0);
    EXPECT_NE(Read("default.svg").find("<svg"), std::string::npos);

    EXPECT_EQ(Run("diagram flow.qel -o flow.txt").status, 1);
    EXPECT_FALSE(fs::exists(dir_ / "flow.txt"));
    EXPECT_EQ(Run("diagram missing.qel -o m.svg").status, 1);
    EXPECT_EQ(Run("diagram flow.qel").status, 1);
}

} // namespace

// "kivtool ports": the mapping of KIV.INI with each device's presence, the
// port chosen in rs_setup.cfg and where that file was found (the start folder
// first, else beside the profile).
TEST_F(KivtoolTest, PortsShowsTheMappingAndTheChosenPort) {
    if (Run("ports --help").status != 0) GTEST_SKIP() << "kivtool built without Qt";
    const fs::path config = dir_ / "config";
    fs::create_directories(config);
    const fs::path adapter = dir_ / "adapter";
    std::ofstream(adapter) << "";
    std::ofstream(config / "KIV.INI")
        << "[Ports]\nCOM2=" << adapter.string() << "\nCOM3=/nonexistent/ttyUSB9\n";
    // Port 2 chosen, in the file beside the profile.
    std::ofstream(config / "rs_setup.cfg", std::ios::binary)
        .write("\x04\0\0\0\x03\0\0\0\x01\0\0\0\x02\0\0\0\x02\0\0\0", 20);
    env_ = "KIV_CONFIG_DIR='" + config.string() + "' ";
    Result r = Run("ports");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string ports = r.out.substr(r.out.find("\nPorts ("));
    EXPECT_EQ(ports, "\nPorts (" + (config / "KIV.INI").string() +
                         ", section Ports):\n"
                         "  COM1  /dev/ttyS0" +
                         (fs::exists("/dev/ttyS0") ? "" : "  (missing)") +
                         "\n"
                         "  COM2  " +
                         adapter.string() +
                         "  <- chosen\n"
                         "  COM3  /nonexistent/ttyUSB9  (missing)\n"
                         "  COM4  /dev/ttyS3" +
                         (fs::exists("/dev/ttyS3") ? "" : "  (missing)") +
                         "\n\nSerial settings: " + (config / "rs_setup.cfg").string() + "\n");
    EXPECT_EQ(r.out.rfind("Serial ports on this system:\n", 0), 0u);

    // A start folder with its own file wins.
    Write("rs_setup.cfg", std::string("\x04\0\0\0\x03\0\0\0\x01\0\0\0\x02\0\0\0\x03\0\0\0", 20));
    r = Run("ports");
    EXPECT_NE(r.out.find("COM3  /nonexistent/ttyUSB9  (missing)  <- chosen\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Serial settings: " + (dir_ / "rs_setup.cfg").string()),
              std::string::npos);
    EXPECT_EQ(Run("ports extra").status, 1);
}
