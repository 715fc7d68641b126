#pragma once

#include <QKeySequence>

#include <span>

// Every command of the program's windows in one table: its object name, text, status hint,
// short label for toolbar buttons, keys, and which windows hold it. The main window and each
// tournament window make their actions from it; a window's commands are found by their id.
namespace kv {

enum class TCommandId : int {
    // The main window's own.
    NewTournament,
    NewFolder,
    Find,
    FindNext,
    AddExisting,
    Remove,
    Rename,
    Delete,
    Preferences,
    Print,
    Exit,
    ListPanel,
    Cascade,
    TileHorizontally,
    TileVertically,
    MinimizeAll,
    Arrange,
    HelpTopics,
    About,
    AutoSort,
    SortTool,
    ColumnsTool,
    MainFilterTool,
    FixturesFilterTool,
    // A tournament window's, which the main window's menus and keys reach through its own.
    Save,
    Close,
    Undo,
    Redo,
    ShowTables,
    ShowFixtures,
    StatsPage,
    ResultsGrid,
    Standings,
    HomeStandings,
    AwayStandings,
    JointTable,
    GroupsTable,
    ConferencesTable,
    LeftAlign,
    CenterAlign,
    RightAlign,
    WidestAlign,
    Stadiums,
    Referees,
    TableColumns,
    TableDimensions,
    TableAppearance,
    TeamProperties,
    ExportTableToHTML,
    ExportTableToText,
    ExportFixturesToExcel,
    ExportTablesToSpreadsheet,
    ImportCSV,
    Publish,
    Format,
    Properties,
    GroupManagement,
    AddFixtures,
    EditFixture,
    EditScore,
    EditMatchday,
    EditDate,
    EditTime,
    EditStadium,
    DeleteFixtures,
    FixtureColumns,
    CopyFixtures,
    SelectAllFixtures,
    DblClickFixture,
    DblClickScore,
    DblClickMatchday,
    DblClickDate,
    DblClickTime,
    DblClickStadium,
    // A tournament window's alone: the statistics page's chart and grid.
    ConfChart,
    DivChart,
    TeamChart,
    BasicHomeChart,
    BasicAwayChart,
    BasicOverallChart,
    ScoresHome,
    ScoresAway,
    ScoresOverall,
    RefereesMain,
    RefereesAssistant,
    RefereesOverall,
    ChartProperties,
    PrintStatsChart,
    CopyStatsChartBMP,
    CopyStatsChartEMF,
    ExportStatsChartToBMP,
    ExportStatsChartToJPEG,
    ExportStatsChartToGIF,
    ExportStatsChartToWMF,
    ExportStatsChartToEMF,
    ExportStatsChartToPNG,
    CopyStatsTable,
    ExportStatsToCSV,
    ExportStatsToHTML,
    PrintStatsTable,
};

// Which windows hold a command.
enum class TCommandHome : unsigned char {
    Main,       // the main window alone
    Tournament, // each tournament window alone
    Bound,      // both: the main window's action triggers the active tournament window's
};

// A text and its identifier in the language file.
struct TCommandText {
    int Id = 0;
    const char* Text = nullptr;
};

struct TCommandSpec {
    TCommandId Id;
    const char* Name; // the action's object name
    TCommandText Text;
    TCommandHome Home = TCommandHome::Main;
    bool Checkable = false;
    QKeySequence::StandardKey StandardKeys = QKeySequence::UnknownKey;
    QKeyCombination Keys = {};
    QKeyCombination MoreKeys = {};
    TCommandText Hint = {};  // the status bar's hint
    TCommandText Short = {}; // the toolbar button's label
};

inline constexpr int kCommandCount = static_cast<int>(TCommandId::PrintStatsTable) + 1;

// The table, in the order of the ids.
std::span<const TCommandSpec> CommandTable();
const TCommandSpec& CommandSpec(TCommandId id);

// A command's text in the current language, without its access key ("Results Grid"), as undo
// steps are named after it.
QString CommandPlainText(TCommandId id);

} // namespace kv
