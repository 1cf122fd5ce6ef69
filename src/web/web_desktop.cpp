#include "web_desktop.h"

#include "text.h"

#include <emscripten.h>

EM_JS(void, page_name_answers, (int done, int silent, int refused),
      { taktzeit.answers = {Done : done, Silent : silent, Refused : refused}; });
EM_JS(void, page_copy, (int request, const char* text), { taktzeit.copy(request, UTF8ToString(text)); });
EM_JS(void, page_paste, (int request, int deadline, int limit), { taktzeit.paste(request, deadline, limit); });

namespace {

WebDesktop* current = nullptr;

// The answer waiting for the request, taken from those waiting; none for a request answered already.
template <class Answer>
Answer taken(std::map<int, Answer>& waiting, int request)
{
    const auto found = waiting.find(request);
    if (found == waiting.end())
        return nullptr;
    Answer answer = std::move(found->second);
    waiting.erase(found);
    return answer;
}

}  // namespace

// The page names the clipboard's answers as the form does: taktzeit.answers.Done and so on.
WebDesktop::WebDesktop()
{
    current = this;
    page_name_answers(static_cast<int>(form::ClipboardAnswer::Done), static_cast<int>(form::ClipboardAnswer::Silent),
                      static_cast<int>(form::ClipboardAnswer::Refused));
}

WebDesktop::~WebDesktop()
{
    current = nullptr;
}

core::Instant WebDesktop::now() const
{
    return clock.now();
}

// The browser's time zone, with its rules for that date.
std::optional<core::Moment> WebDesktop::localTime(std::chrono::sys_seconds utc) const
{
    return clock.localTime(utc);
}

// Written within the click, as the asynchronous clipboard wants; the browser answers later, or refuses.
void WebDesktop::copy(std::u16string_view text, form::CopyAnswer answer)
{
    copies[++lastRequest] = std::move(answer);
    page_copy(lastRequest, core::toUtf8(text).c_str());
}

// Read where the browser allows it, cut to the paste limit; the deadline runs only once the user has allowed it.
void WebDesktop::requestPaste(form::PasteAnswer answer)
{
    pastes[++lastRequest] = std::move(answer);
    page_paste(lastRequest, static_cast<int>(form::kClipboardDeadline.count()),
               static_cast<int>(form::kClipboardTextLimit));
}

// The link is an ordinary link, which the browser opens in a new tab by itself.
bool WebDesktop::openWebAddress(std::u16string_view)
{
    return true;
}

// The answer is one of taktzeit.answers.
void WebDesktop::answerCopy(int request, int answer)
{
    if (const form::CopyAnswer pending = current ? taken(current->copies, request) : nullptr)
        pending(static_cast<form::ClipboardAnswer>(answer));
}

void WebDesktop::answerPaste(int request, int answer, const char* text)
{
    if (const form::PasteAnswer pending = current ? taken(current->pastes, request) : nullptr)
        pending(static_cast<form::ClipboardAnswer>(answer), std::u16string(form::pastedPart(core::fromUtf8(text))));
}

// The page's script hands the clipboard's answers back here.
extern "C" {

EMSCRIPTEN_KEEPALIVE void taktzeit_copy_answered(int request, int answer)
{
    WebDesktop::answerCopy(request, answer);
}

EMSCRIPTEN_KEEPALIVE void taktzeit_paste_answered(int request, int answer, const char* text)
{
    WebDesktop::answerPaste(request, answer, text);
}

}  // extern "C"
