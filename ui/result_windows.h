// The two small windows that show results: the corpus data window and the
// collocations window. They show the explorer's state for them.
#pragma once

#include "app/main_form.h"

#include <QWidget>
#include <functional>

namespace zapt::ui {

// Form4; `clicked` receives "cmdAges" or "cmdGender" when its buttons are clicked.
QWidget* createCorpusDataWindow(const CorpusDataForm& state,
                                std::function<void(const char*)> clicked);
void showCorpusData(QWidget* window, const CorpusDataForm& state);

// Form11.
QWidget* createCollocationsWindow();
void showCollocations(QWidget* window, const CollocationsForm& state);

} // namespace zapt::ui
