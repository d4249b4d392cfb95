#include "schedule/ui/WeekPictureDlg.h"

#include "app/Help.h"
#include "app/MainFrame.h"
#include "app/QelApp.h"
#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "app/SvgView.h"
#include "autoattendant/Texts.h"
#include "document/DocCommands.h"
#include "document/MessageSink.h"
#include "document/QelDoc.h"
#include "document/Texts.h"
#include "schedule/Texts.h"
#include "schedule/WeekPicture.h"
#include "schedule/WeekSvg.h"
#include "schedule/WeekText.h"
#include "schedule/ui/WeekPictureRender.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace kiv {

namespace {

namespace at = autoatt::texts;
namespace st = schedule::texts;

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(ToQString(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(button->text());
    return button;
}

} // namespace

CWeekPictureDlg::CWeekPictureDlg(const CQelDoc& doc, CShellDialogs& dialogs,
                                 std::function<void()> editSchedule, QWidget* parent)
    : QDialog(parent), doc_(doc), dialogs_(dialogs) {
    setObjectName("weekPictureDlg");
    setWindowTitle(ToQString(st::kWindowTitle));
    setSizeGripEnabled(true);
    resize(1100, 700);
    InstallHelpKey(this, "quadro_settimanale");

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    view_ = new CSvgView(splitter);
    view_->setObjectName("weekView");
    view_->setAccessibleName(windowTitle());
    view_->viewport()->setAccessibleName(windowTitle());
    list_ = new QListWidget(splitter);
    list_->setObjectName("weekText");
    list_->setAccessibleName(ToQString(st::kTextListName));
    list_->setWordWrap(true);
    splitter->addWidget(view_);
    splitter->addWidget(list_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({780, 300});

    auto* buttons = new QHBoxLayout;
    QPushButton* zoomIn = Button(at::kZoomIn, "zoomInButton", this);
    QPushButton* zoomOut = Button(at::kZoomOut, "zoomOutButton", this);
    QPushButton* fit = Button(at::kZoomFit, "zoomFitButton", this);
    for (QPushButton* b : {zoomIn, zoomOut, fit})
        buttons->addWidget(b);
    if (editSchedule) {
        QPushButton* edit = Button(st::kEditSchedule, "editScheduleButton", this);
        buttons->addWidget(edit);
        connect(edit, &QPushButton::clicked, this, [this, editSchedule] {
            editSchedule();
            Refresh();
        });
    }
    QPushButton* exportButton = Button(at::kExport, "exportButton", this);
    QPushButton* close = Button(at::kClose, "closeButton", this);
    buttons->addWidget(exportButton);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    connect(zoomIn, &QPushButton::clicked, this, &CWeekPictureDlg::ZoomIn);
    connect(zoomOut, &QPushButton::clicked, this, &CWeekPictureDlg::ZoomOut);
    connect(fit, &QPushButton::clicked, this, &CWeekPictureDlg::ZoomToFit);
    connect(exportButton, &QPushButton::clicked, this, [this] { Export(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    Refresh();
}

void CWeekPictureDlg::Refresh() {
    const schedule::CWeekPicture picture(doc_);
    svg_ = schedule::WeekSvg(picture);
    view_->SetSvg(svg_);

    list_->clear();
    for (const std::string& line : schedule::WeekText(picture))
        list_->addItem(ToQString(line));
}

double CWeekPictureDlg::Zoom() const {
    return view_->Zoom();
}

void CWeekPictureDlg::ZoomIn() {
    view_->ZoomIn();
}

void CWeekPictureDlg::ZoomOut() {
    view_->ZoomOut();
}

void CWeekPictureDlg::ZoomToFit() {
    view_->ZoomToFit();
}

bool CWeekPictureDlg::Export() {
    const QString base = QFileInfo(FromNativePath(doc_.title)).completeBaseName();
    const auto chosen = dialogs_.SaveFileName(this, ToQString(st::kExportFilter),
                                              FromNativePath(doc_.currentDir), base + ".svg");
    if (!chosen) return false;
    std::string path = NativePath(*chosen);
    auto format = schedule::WeekFormatOfFileName(path);
    if (!format) {
        path += ".svg";
        format = schedule::WeekFormat::Svg;
    }
    std::string bytes;
    std::string error;
    const bool ok =
        schedule::RenderWeekPicture(svg_, *format, bytes, error) && WriteFileReplacing(path, bytes);
    if (!ok) dialogs_.Sink().Show(texts::kCannotOpenOutput, MsgIcon::Error);
    return ok;
}

void InstallWeekPictureCommand(CQelApp& app) {
    app.StartupHooks().frameCreated.push_back([](CQelApp& a) {
        CMainFrame* f = a.Frame();
        f->SetCommand("actionWeekPicture", [f] {
            // The schedule editor is the frame's own command; the picture
            // follows what it changes.
            auto edit = [f] {
                if (QAction* timeDate = f->Action("actionTimeDate");
                    timeDate && timeDate->isEnabled())
                    timeDate->trigger();
            };
            CWeekPictureDlg dlg(f->Doc(), f->Dialogs(), edit, f);
            f->Dialogs().Exec(dlg);
        });
    });
}

} // namespace kiv
