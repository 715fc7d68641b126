#pragma once

#include "export/csv_import.h"
#include "standings/tournament_build.h"
#include "storage/tournament_list.h"

#include <QWizard>

#include <memory>

class QCheckBox;
class QRadioButton;
class QTreeView;

// "New Tournament Wizard": from scratch or from parts of an existing tournament, through the
// type, name, points, structure and ranking pages; it ends with the tournament saved into the
// tournament folder.
namespace kv {

class TDialogSeam;
class TGroupFrame;
class TMainTableFrame;
class TPtsTableFrame;
class TResultsFileFrame;
class TSortFrame;
class TTournamentListModel;

class TNewTournamentForm : public QWizard {
    Q_OBJECT
public:
    enum TPage {
        PageStart,
        PageSource,
        PageType,
        PageName,
        PagePoints,
        PageStructure,
        PageRanking,
        PageResults
    };

    TNewTournamentForm(TTournamentList& list, TDialogSeam& dialogs, QWidget* parent = nullptr);
    ~TNewTournamentForm() override;

    TResultsFileFrame& ResultsFrame() const { return *resultsFrame_; }
    QCheckBox& CopyBox(const char* objectName) const;
    TMainTableFrame& MainFrame() const { return *mainFrame_; }
    TPtsTableFrame& PointsFrame() const { return *pointsFrame_; }
    TGroupFrame& GroupFrame() const { return *groupFrame_; }
    TSortFrame& SortFrame() const { return *sortFrame_; }
    // Chooses the source tournament by its list entry.
    void SelectSource(const TListNode* node);

    // After Finish: the list entry of the tournament saved.
    const TNodeData& Created() const { return created_; }
    // After Finish from a file of results: how its rows imported.
    const TImportCounts& Imported() const { return imported_; }

    int nextId() const override;
    bool validateCurrentPage() override;
    void initializePage(int id) override;
    void accept() override;
    // Cancel asks before teams entered are thrown away.
    void reject() override;

private:
    QWizardPage* MakeStartPage();
    QWizardPage* MakeSourcePage();
    QWizardPage* MakeTypePage();
    QWizardPage* MakePage(const QString& title, QWidget* content);
    bool LeaveSource();
    bool LeaveName();
    bool LeaveResults();
    void ProposeFileName();
    void ReportImport(const std::vector<TImportRow>& rows);
    TCopyChoice Choice() const;
    TNewTournament Spec() const;

    TTournamentList& list_;
    TDialogSeam& dialogs_;
    TTournamentListModel* listModel_ = nullptr;
    QRadioButton* scratch_ = nullptr;
    QRadioButton* existing_ = nullptr;
    QRadioButton* results_ = nullptr;
    TResultsFileFrame* resultsFrame_ = nullptr;
    int resultsFor_ = -1;  // the reading of the results file the pages were filled for
    QString proposedFile_; // the file name last proposed for the tournament's name
    QTreeView* sourceView_ = nullptr;
    std::vector<QCheckBox*> copyBoxes_;
    QRadioButton* groupSystem_ = nullptr;
    QRadioButton* conferencesSystem_ = nullptr;
    TMainTableFrame* mainFrame_ = nullptr;
    TPtsTableFrame* pointsFrame_ = nullptr;
    TGroupFrame* groupFrame_ = nullptr;
    TSortFrame* sortFrame_ = nullptr;
    std::unique_ptr<TTournament> source_;
    QString sourcePath_;
    int pointsSport_ = -1;  // the sport the points page was filled for
    int structureFor_ = -1; // how the structure page was filled: -1 not yet, else copy flag
    bool namePageFilled_ = false;
    int rankingFor_ = -1; // the sport, overtime and system the ranking page was filled for
    TNodeData created_;
    TImportCounts imported_;
};

} // namespace kv
