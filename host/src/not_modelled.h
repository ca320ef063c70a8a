// How the stand-in stops on a host service it does not model because nothing that runs on
// it uses the service: a message and an abort, rather than a silent wrong answer.
#pragma once

namespace standin {

[[noreturn]] void NotModelled(const char* what);

}  // namespace standin
