#pragma once

#include "paint/ColorData.h"

#include <QDialog>
#include <QTimer>

class QStackedWidget;
class TImage;
class TKDButton;
class TKDPanel;
class TKDTabSet;
class TLxLabel;
class TLxMemo;

// The About window: the program's name and version, the licence in one line and the support
// address, two pictures, the licence agreement from License.txt in the data folder, a notice
// of what the licence allows and the web address. Two pages, switched by a row of tabs under them. Play goes on
// behind it; a click outside it closes it, and so does the pointer staying away from it.
class TFrmAboutBox : public QDialog {
public:
    static constexpr int ClientWidth = 521;
    static constexpr int ClientHeight = 349;
    // The window closes once the pointer has been away from it this long.
    static constexpr int IdleCloseMs = 30000;

    explicit TFrmAboutBox(QWidget* owner);

    // Creates the window, shows it in the centre of the screen over play, waits until it is
    // closed and destroys it.
    static void Execute(QWidget* owner);

    HPALETTE GetPalette() const;

    TKDPanel* PnlAbout() const { return m_pnlAbout; }
    QStackedWidget* NbkViews() const { return m_nbkViews; }
    TKDTabSet* TabSet() const { return m_tabSet; }
    TLxMemo* EdtLicense() const { return m_edtLicense; }
    TLxMemo* EdtWarning() const { return m_edtWarning; }
    TKDButton* BtnClose() const { return m_btnClose; }
    TLxLabel* LblVersion() const { return m_lblVersion; }
    TLxLabel* LblEmail() const { return m_lblEmail; }
    TLxLabel* LxLabel1() const { return m_lxLabel1; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateLayout();
    void FormCreate();
    void TabSetChange(int newTab);
    void CenterOnScreen();
    void IdleTimeout();

    TKDPanel* m_pnlAbout { nullptr };
    QStackedWidget* m_nbkViews { nullptr };
    TKDPanel* m_pnlSplash { nullptr };
    TImage* m_image1 { nullptr };
    TKDPanel* m_pnlCopyright { nullptr };
    TLxLabel* m_lblTitle { nullptr };
    TLxLabel* m_lblVersion { nullptr };
    TLxLabel* m_lblCopyright { nullptr };
    TLxLabel* m_lblLicenceGrant { nullptr };
    TLxLabel* m_lblTechSupport { nullptr };
    TLxLabel* m_lblEmail { nullptr };
    TLxMemo* m_edtLicense { nullptr };
    TLxMemo* m_edtWarning { nullptr };
    TImage* m_image2 { nullptr };
    TLxLabel* m_lxLabel1 { nullptr };
    TKDButton* m_btnClose { nullptr };
    TKDTabSet* m_tabSet { nullptr };
    QTimer m_idleTimer;
};
