#pragma once
// What a course read needs: fake services, a fixture data folder, the shared state, and a
// form that owns the hidden Txtini.

#include "AppContext.h"
#include "DataFixture.h"
#include "FakeServices.h"
#include "Form.h"
#include "Stage.h"
#include "TextBox.h"

struct StoreHarness {
    FakeServices services;
    DataFixture data;
    AppContext app{services, data.root()};
    Stage stage;
    Form form{stage, QStringLiteral("FrmStore"), ScaleUnit::Pixels};
    TextBox& Txtini = *form.make<TextBox>(QStringLiteral("Txtini"));
};
