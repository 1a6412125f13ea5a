// Debian's RtMidi 5.0 closes a JACK port while its client's process thread
// may be using it: the callback checks the port, and the closing thread
// unregisters it (and an output then frees its ring buffer) under the
// callback's feet, which crashes that thread now and then when a plug-in
// or a reader closes. The tests that run RtMidi over JACK link this, which
// takes the client out of the process graph before its port goes: once
// jack_deactivate returns no callback of it runs, and RtMidi never opens a
// second port on a client. Only the stand-in needs it: on a Mac RtMidi
// speaks CoreMIDI.

#include <dlfcn.h>
#include <jack/jack.h>

namespace {
// JACK's own, found where RtMidi finds it: the tests link RtMidi, not JACK.
template <class F>
F Jack(const char* name)
{
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
}  // namespace

extern "C" int jack_port_unregister(jack_client_t* client, jack_port_t* port)
{
  static const auto deactivate = Jack<int (*)(jack_client_t*)>("jack_deactivate");
  static const auto unregister = Jack<int (*)(jack_client_t*, jack_port_t*)>("jack_port_unregister");
  deactivate(client);
  return unregister(client, port);
}
