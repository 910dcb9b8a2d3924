#include "json_writer.h"

#include <cstdio>

namespace examtool {

void TJsonWriter::BeginObject(EJsonLayout layout) {
    Begin('{', layout);
}

void TJsonWriter::EndObject() {
    End('}');
}

void TJsonWriter::BeginArray(EJsonLayout layout) {
    Begin('[', layout);
}

void TJsonWriter::EndArray() {
    End(']');
}

void TJsonWriter::Key(std::string_view utf8) {
    Separate();
    Quote(utf8);
    Text += ": ";
    AfterKey = true;
}

void TJsonWriter::Number(std::int64_t value) {
    Separate();
    Text += std::to_string(value);
}

void TJsonWriter::String(std::string_view utf8) {
    Separate();
    Quote(utf8);
}

void TJsonWriter::Begin(char bracket, EJsonLayout layout) {
    Separate();
    const bool insideInline = !Open.empty() && Open.back().Inline;
    Open.push_back({insideInline || layout == EJsonLayout::Inline, true});
    Text += bracket;
}

void TJsonWriter::End(char bracket) {
    const TContainer closed = Open.back();
    Open.pop_back();
    if (!closed.Inline && !closed.Empty) {
        Indent(Open.size());
    }
    Text += bracket;
}

void TJsonWriter::Separate() {
    if (AfterKey) {
        AfterKey = false;
        return;
    }
    if (Open.empty()) {
        return;
    }
    TContainer& container = Open.back();
    if (!container.Empty) {
        Text += ',';
    }
    if (!container.Inline) {
        Indent(Open.size());
    } else if (!container.Empty) {
        Text += ' ';
    }
    container.Empty = false;
}

void TJsonWriter::Indent(std::size_t depth) {
    Text += '\n';
    Text.append(2 * depth, ' ');
}

void TJsonWriter::Quote(std::string_view utf8) {
    Text += '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            Text += '\\';
            Text += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", byte);
            Text += escape;
        } else {
            Text += c;
        }
    }
    Text += '"';
}

}  // namespace examtool
