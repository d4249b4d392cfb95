#pragma once
// CQelView: the main view. It shows the status panel of the unit: the
// banner, and in a frame the product type and the link state. Editor
// commands of later parts attach to the main frame's actions. The panel is
// painted; its texts reach screen readers through app/Accessible.h.

#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

namespace kiv {

class CQelDoc;

class CQelView : public QWidget {
    Q_OBJECT
  public:
    explicit CQelView(CQelDoc& doc, QWidget* parent = nullptr);

    // A text of the panel and where its top-left corner goes.
    struct PanelText {
        QPoint pos;
        QString text;
        bool operator==(const PanelText&) const = default;
    };
    // The texts the panel shows for the document's present state.
    std::vector<PanelText> PanelTexts() const;
    // The panel's font: "Times New Roman", 16 pixels high, italic (a serif
    // font stands in where that family is missing).
    static QFont PanelFont();

    // The title with its last three characters replaced by the product
    // type's extension, when it ends in a dot and three characters and the
    // product type is known; otherwise the title as it is.
    static std::string TitleWithProductExtension(const std::string& title, int productType);

    // Brings the title in line with the product type and repaints.
    void Redraw();

  signals:
    // The document's title was rewritten.
    void TitleChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void ApplyTitleExtension();

    CQelDoc& doc_;
    QPixmap bitmap_;
    std::vector<PanelText> announced_; // the texts screen readers were last told
};

} // namespace kiv
