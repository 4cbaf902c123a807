#pragma once

// A stand-in for the user's dialogue boxes: records every call in order
// and answers from queues given by the test.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "simulation/dialogue.h"

struct DialogueCall {
    enum class Kind { Message, Input } kind;
    std::string prompt;
    std::optional<std::string> title;
    ondiscale::Buttons buttons = ondiscale::Buttons::Ok;
    std::string defaultText;
};

class ScriptedDialogue : public ondiscale::Dialogue {
public:
    std::vector<DialogueCall> calls;
    std::deque<ondiscale::Answer> answers;  // for Yes/No boxes; OK boxes need none
    std::deque<std::string> inputs;
    std::string separator = ".";
    std::string group = " ";
    // Called while a box is "open", before it answers.
    std::function<void(const DialogueCall&)> whileOpen;

    ondiscale::Answer messageBox(const std::string& prompt, ondiscale::Buttons buttons,
                                 const std::optional<std::string>& title) override {
        calls.push_back({DialogueCall::Kind::Message, prompt, title, buttons, {}});
        if (whileOpen) {
            whileOpen(calls.back());
        }
        if (buttons == ondiscale::Buttons::Ok) {
            return ondiscale::Answer::Ok;
        }
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected Yes/No box: " << prompt;
            return ondiscale::Answer::No;
        }
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        calls.push_back(
            {DialogueCall::Kind::Input, prompt, title, ondiscale::Buttons::Ok, defaultText});
        if (whileOpen) {
            whileOpen(calls.back());
        }
        if (inputs.empty()) {
            ADD_FAILURE() << "unexpected input box: " << prompt;
            return {};
        }
        auto text = inputs.front();
        inputs.pop_front();
        return text;
    }

    [[nodiscard]] std::string decimalSeparator() const override { return separator; }
    [[nodiscard]] std::string groupSeparator() const override { return group; }

    // The Yes/No reports shown so far.
    [[nodiscard]] std::vector<DialogueCall> reports() const {
        std::vector<DialogueCall> out;
        for (const auto& c : calls) {
            if (c.kind == DialogueCall::Kind::Message && c.buttons == ondiscale::Buttons::YesNo) {
                out.push_back(c);
            }
        }
        return out;
    }
};
