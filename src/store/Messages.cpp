#include "store/Messages.h"

#include <cstdio>

namespace store {

namespace {
MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}
} // namespace

void SetMessageSink(MessageSink sink) { Sink() = std::move(sink); }

void ShowMessage(int number) {
    if (Sink()) Sink()(number);
    else std::fprintf(stderr, "Tonnelix: message %d\n", number);
}

} // namespace store
