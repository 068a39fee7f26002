// SPDX-License-Identifier: MIT
#include "toolbar.h"

Toolbar::Toolbar(QWidget *parent) : QWidget(parent) {}

Toolbar::~Toolbar() = default;
