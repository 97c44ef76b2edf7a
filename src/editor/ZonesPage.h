#pragma once

#include <QWidget>

class CheckGroup;
class Dialogs;
class GroupsModel;
class QPushButton;
class QSpinBox;
class QTableView;
class QToolButton;
class RadioGroup;
class UserCountSpin;
class UsersGrid;
class ZoneGrid;
class ZoneLinksFilter;
class ZoneLinksModel;

// The content of SheetZones: the zone grid, the groups with their zones, and
// the users grid. The exit delay DlExt and the keyboard switch ArmBox live on
// the general page and are joined in by connectGeneralPage.
class ZonesPage final : public QWidget {
    Q_OBJECT
public:
    explicit ZonesPage(Dialogs& dialogs, QWidget* parent = nullptr);
    ~ZonesPage() override;

    void connectGeneralPage(QSpinBox& dlExt, RadioGroup& armBox, CheckGroup& boxTmpKbd, CheckGroup& boxLnkKbd);

    ZoneGrid& gridZone() const { return *m_gridZone; }
    GroupsModel& groups() const { return *m_grps; }
    ZoneLinksModel& zoneLinks() const { return *m_znInGr; }
    UsersGrid& gridUsers() const { return *m_gridUsers; }
    UserCountSpin& userCount() const { return *m_userCount; }
    QSpinBox& ackArm() const { return *m_ackArm; }
    QTableView& grGrid() const { return *m_grGrid; }
    QTableView& shGrid() const { return *m_shGrid; }

    // The current group's row in Grps, or -1 when there is none.
    int currentGroupRow() const;
    void firstGroup();
    // The factory zone grid, one group with every user and the zones in use.
    void putFactoryDefaults();

    enum class NavButton { Insert, Delete };

public Q_SLOTS:
    void MkZnLstBtnClick();
    void MkShBtnClick();
    void ShNavClick(ZonesPage::NavButton button);
    void DelGrClick();
    void GrpsBeforeScroll();
    void DlExtChange();
    void AckArmChange();
    void ArmBoxClick(int index);
    void SheetZonesEnter();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createLayout();
    void selectGroup(int row);
    void setDlExt(int value);
    int currentGrNmb() const;

    Dialogs& m_dialogs;
    ZoneGrid* m_gridZone;
    GroupsModel* m_grps;
    ZoneLinksModel* m_znInGr;
    ZoneLinksFilter* m_znInGrFilter;
    QTableView* m_grGrid;
    QTableView* m_shGrid;
    QToolButton* m_shNavInsert;
    QToolButton* m_shNavDelete;
    QPushButton* m_mkZnLstBtn;
    QPushButton* m_delGr;
    QSpinBox* m_ackArm;
    UserCountSpin* m_userCount;
    UsersGrid* m_gridUsers;

    QSpinBox* m_dlExt = nullptr;
    RadioGroup* m_armBox = nullptr;
    CheckGroup* m_boxTmpKbd = nullptr;
    CheckGroup* m_boxLnkKbd = nullptr;
};
