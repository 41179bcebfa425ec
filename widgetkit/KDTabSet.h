#pragma once

#include "paint/ColorData.h"
#include "paint/Font.h"
#include "paint/KDTypes.h"
#include "widgetkit/CSTabList.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class TCanvas;
class TKDScroller;

enum class TTabStyle { tsStandard, tsOwnerDraw };

// A row of tabs hanging from the lower edge of a framed area, like the sheet tabs of a
// workbook: slanted sides, the selected tab joined to the page above, the others behind it.
// When not all tabs fit, a pair of arrow buttons at the right end scrolls the row.
class TKDTabSet : public QWidget {
public:
    static constexpr int EndCapWidth = 8;

    explicit TKDTabSet(QWidget* parent = nullptr);
    ~TKDTabSet() override;

    TCSTabList& Tabs() { return m_tabs; }
    const TCSTabList& Tabs() const { return m_tabs; }
    // Takes a copy of `captions` and selects the first tab, if any.
    void SetTabs(const std::vector<std::string>& captions);

    int TabIndex() const { return m_tabIndex; }
    // Raises "Tab index out of bounds" outside -1 .. count - 1; otherwise asks OnChange and,
    // when allowed, selects, scrolls the tab into view and raises OnClick.
    void SetTabIndex(int index);

    TColor SelectedColor() const { return m_selectedColor; }
    void SetSelectedColor(TColor color);
    TColor UnselectedColor() const { return m_unselectedColor; }
    void SetUnselectedColor(TColor color);
    // Stored only: the row's background is always the button face.
    TColor BackgroundColor() const { return m_backgroundColor; }
    void SetBackgroundColor(TColor color) { m_backgroundColor = color; }
    bool DitherBackground() const { return m_ditherBackground; }
    void SetDitherBackground(bool dither) { m_ditherBackground = dither; }
    int StartMargin() const { return m_startMargin; }
    void SetStartMargin(int margin);
    int EndMargin() const { return m_endMargin; }
    void SetEndMargin(int margin);
    bool AutoScroll() const { return m_autoScroll; }
    void SetAutoScroll(bool autoScroll);
    TTabStyle Style() const { return m_style; }
    void SetStyle(TTabStyle style);
    int TabHeight() const { return m_tabHeight; }
    // A height the edge pictures cannot be made for raises the error and keeps the old one.
    void SetTabHeight(int height);
    const TFont& Font() const { return m_font; }
    void SetFont(const TFont& font);

    // Tabs shown at the last layout.
    int VisibleTabs() const { return m_visibleTabs; }
    int FirstVisibleTab() const { return m_firstVisibleTab; }
    int TabRowHeight() const { return m_tabRowHeight; }
    int SlantWidth() const { return m_tabRowHeight + 2; }
    TKDScroller* Scroller() const { return m_scroller; }
    // The shared display palette on a palette display, else none.
    HPALETTE GetPalette() const;

    // The body of the `shown`-th tab on screen (0 = the leftmost shown), as laid out last.
    TRect TabRect(int shown) const;
    // The tab (absolute index) a press at (x, y) selects, or -1.
    int TabAtPos(int x, int y) const;
    // Lays the row out for the current size and scroll position; painting does this too.
    void ArrangeTabs();
    // A typed character: selects the first tab whose caption marks it with '&'. Returns
    // whether a tab took it.
    bool DialogChar(QChar character);

    std::function<void(TKDTabSet* sender, int newTab, bool& allowChange)> OnChange;
    std::function<void(TKDTabSet* sender)> OnClick;
    std::function<void(TKDTabSet* sender, int index, int& width)> OnMeasureTab;
    std::function<void(TKDTabSet* sender, TCanvas& canvas, TRect rect, int index, bool selected)> OnDrawTab;

protected:
    virtual void DrawTab(TCanvas& canvas, const TRect& rect, int index, bool selected);
    virtual void MeasureTab(int index, int& width);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class TCSTabList;

    struct TTabSpan {
        int Start;
        int Width;
    };

    void Invalidate() { update(); }
    void Click();
    int CaptionWidth(int index);
    int Measure(int start, int stop, int first);
    void MakeSelectedVisible();
    void BuildEdgePictures();
    void UpdateRowHeight();
    void PaintRow(TCanvas& canvas);
    void PaintJoint(TCanvas& canvas, int x, bool leftSelected, bool rightSelected);
    void PaintTab(TCanvas& canvas, int shown);

    TCSTabList m_tabs;
    int m_tabIndex { -1 };
    TColor m_selectedColor { clBtnFace };
    TColor m_unselectedColor { clWindow };
    TColor m_backgroundColor { clBtnFace };
    bool m_ditherBackground { true };
    int m_startMargin { 5 };
    int m_endMargin { 5 };
    bool m_autoScroll { true };
    TTabStyle m_style { TTabStyle::tsStandard };
    int m_tabHeight { 20 };
    int m_visibleTabs { 0 };
    TFont m_font;

    int m_firstVisibleTab { 0 };
    int m_tabRowHeight { 0 };
    std::vector<TTabSpan> m_tabSpans;
    QImage m_selectedEndCap;
    QImage m_unselectedEndCap;
    QImage m_selectedSlant;
    QImage m_unselectedSlant;
    QImage m_measureImage;
    bool m_fixPosition { false };
    TKDScroller* m_scroller { nullptr };
};
