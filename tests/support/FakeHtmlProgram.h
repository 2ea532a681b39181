#pragma once

#include "platform/LinkOpener.h"

// Answers with a scripted Exec line of the default web page program.
class FakeHtmlProgram final : public IHtmlProgram {
public:
    std::optional<QString> execLine() override { return exec; }
    std::optional<QString> exec;
};
