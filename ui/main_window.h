// The main window: every control of the explorer, laid out in four columns.
// Each event goes to the explorer; afterwards the window shows its state.
#pragma once

#include "app/explorer.h"
#include "ui/list_box.h"
#include "ui/upload_page.h"
#include "ui/window_manager.h"
#include "variation/result_table.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <vector>

namespace zapt::ui {

class MainWindow : public QWidget, private Effects {
    Q_OBJECT
public:
    // Builds the explorer from `data` (the start-up) and the window.
    explicit MainWindow(const DataSet& data);
    ~MainWindow() override;

    Explorer& explorer() { return explorer_; }
    WindowManager& windows() { return windows_; }
    UploadPage& uploadPage() { return uploadPage_; }

    // How the "No texts found" message is shown; a modal message box by default.
    std::function<void(const QString&)> messageHandler;

    // The folder the corpus was loaded from (empty: the built-in corpus).
    void setCorpusFolder(const QString& folder) { corpusFolder_ = folder; }

    // Shows the explorer's state in every open window.
    void refresh();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Effects of the explorer's operations.
    void showProgress() override;
    void closeProgress() override;
    void setMainWidth(int twips) override;
    void showMessage(const std::string& text) override;
    void setFocus(FocusTarget target) override;
    void showCorpusDataForm() override;
    void showCollocationsForm() override;

    void build();
    void buildGroupColumn();
    void buildAuthorColumn();
    void buildFormsColumn();
    void buildFamiliesColumn();
    void buildFamily(std::size_t index, int left, int top, int listHeight, int headingWidth);

    // Runs an event of the explorer, then shows the new state.
    void run(const std::function<void()>& event);
    QLabel* bind(QLabel* label, const std::string* caption);
    ListBox* bindList(ListBox* list, const zapt::ListBox* state);
    // Copy, Copy all and Export... of a result table on `w`'s context menu.
    void attachTable(QWidget* w, std::function<ResultTable()> table,
                     std::function<int()> selectedRow = {});
    QWidget* aboutWindow();
    void refreshCorpusDataForm();
    void refreshCollocationsForm();

    Explorer explorer_;
    WindowManager windows_;
    UploadPage uploadPage_;
    QPointer<QWidget> progress_;

    struct LabelBinding {
        QLabel* label;
        const std::string* caption;
    };
    struct ListBinding {
        ListBox* list;
        const zapt::ListBox* state;
        unsigned revision;
    };
    struct ButtonBinding {
        QPushButton* button;
        const bool* enabled;
    };
    std::vector<LabelBinding> labels_;
    std::vector<ListBinding> lists_;
    std::vector<ButtonBinding> buttons_;
    QLineEdit* txtSearch_ = nullptr;
    QString corpusFolder_;
};

} // namespace zapt::ui
