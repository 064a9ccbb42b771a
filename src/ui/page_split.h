// The pages and the preview sharing the window through a splitter the user
// can move. The pages always get the width they need, so they never scroll
// sideways; the preview yields first: it stands beside the pages while there
// is room, narrower down to its least width, then below them, and when even
// that does not fit it is hidden with a note that says so.
#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QScrollArea;
class QSplitter;

namespace quorlin {

class PageSplit : public QWidget {
    Q_OBJECT
public:
    enum class Place { Beside, Below, Hidden };

    // The least room the preview takes beside the pages and below them, and
    // the least height the pages keep above it.
    static constexpr int kBesideWidth = 250;
    static constexpr int kBelowHeight = 230;
    static constexpr int kPagesHeight = 200;

    explicit PageSplit(QScrollArea *pages, QWidget *parent = nullptr);

    // Added once, on the preview's first showing.
    void setPreview(QWidget *preview);
    QWidget *preview() const { return preview_; }
    // Whether the user asked for the preview; where it goes is this split's choice.
    void setPreviewWanted(bool wanted);
    bool previewWanted() const { return wanted_; }
    Place place() const { return place_; }

    // The preview's width beside the pages, as the user left it.
    int previewWidth() const;
    void setPreviewWidth(int width) { previewWidth_ = qMax(width, int(kBesideWidth)); }
    // What the preview adds to the pages' width beside them: its width and the splitter's handle.
    int besideWidth() const;

    // The width the pages need: the widest page and the scroll bar beside it.
    int pagesWidth() const;
    // Places the preview again, after the pages' needs changed.
    void arrange();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Place fittingPlace() const;

    QScrollArea *pages_;
    QSplitter *splitter_;
    QLabel *note_;
    QPointer<QWidget> preview_;
    Place place_ = Place::Hidden;
    bool wanted_ = false;
    int previewWidth_ = 400;
};

} // namespace quorlin
