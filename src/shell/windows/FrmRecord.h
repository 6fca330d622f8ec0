#pragma once
// The record of play for parents and teachers (reached from the help window only): per
// day and area the time played, the rounds and the share right, the windows played most,
// a chart of the last 30 days, an export to CSV and the clearing of the record.

#include "shell/core/AppContext.h"
#include "shell/record/PlayFigures.h"
#include "ui/BarChart.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/Image.h"
#include "ui/Label.h"

class FrmRecord : public Form {
    Q_OBJECT
public:
    FrmRecord(AppContext& app, const QString& name);

    static constexpr int ChartDays = 30;
    static constexpr int MostPlayed = 10;

    Label* LblTitle;
    Label* LblSummary;
    BarChart* ChtDays;
    Label* LblDays;
    Grid* GrdDays;
    Label* LblWindows;
    Grid* GrdWindows;
    Button* CmdExport;
    Button* CmdClear;
    Image* ImgBack;

    const PlayFigures& figures() const { return figures_; }

    void Form_Load() override;

private:
    // Reads the record and shows it.
    void showFigures();
    // Writes the figures as a CSV file into the user's documents folder.
    void CmdExport_Click();
    // Forgets the whole record once the grown-up has confirmed it.
    void CmdClear_Click();

    AppContext& app_;
    PlayFigures figures_;
};

// The file a CSV export goes to: a name with the day, still free, in the user's documents
// folder (or home folder).
QString RecordExportPath(const QDate& day);
