#pragma once
// What a course read needs: fake services, a fixture data folder, the shared state, and a
// form that owns the hidden Txtini.

#include "DataFixture.h"
#include "FakeServices.h"
#include "shell/core/AppContext.h"
#include "ui/Form.h"
#include "ui/Stage.h"
#include "ui/TextBox.h"

struct StoreHarness {
    FakeServices services;
    DataFixture data;
    AppContext app{services, data.root()};
    Stage stage;
    Form form{stage, QStringLiteral("FrmStore"), ScaleUnit::Pixels};
    TextBox& Txtini = *form.make<TextBox>(QStringLiteral("Txtini"));
};
