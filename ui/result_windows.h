// The two small windows that show results: the corpus data window and the
// collocations window. They show the main window's state for them.
#pragma once

#include "app/main_form.h"
#include "selection/age_band.h"

#include <QWidget>
#include <functional>

namespace zapt::ui {

// Form4; `onAges` and `onGender` run on clicks of its two buttons.
QWidget* createCorpusDataWindow(const CorpusDataForm& state, const AgeBands& bands,
                                std::function<void()> onAges, std::function<void()> onGender);
void showCorpusData(QWidget* window, const CorpusDataForm& state);

// Form11.
QWidget* createCollocationsWindow();
void showCollocations(QWidget* window, const CollocationsForm& state);

} // namespace zapt::ui
