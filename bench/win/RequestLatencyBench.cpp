// The round trip of a window's synchronous request: a worker sends, the
// window's thread raises the request event and the worker has its reply.
// Reports the median and the 99th percentile over the given number of
// requests, from one sending thread and from four at once.
//
//   request_latency_bench.exe [requests]   (default 20000)

#include "foundation/objects/Pools.h"
#include "toolkit/win/Window.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

double nowUs() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1e6 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Echo : s::gui::events::IEventListener {
    explicit Echo(s::gui::win::Window& w) : window(w) {}
    void handleEvent(void*, int) override { window.setRequestReply(window.getRequestValue2()); }
    s::gui::win::Window& window;
};

void measure(s::gui::win::Window& window, int senders, int requests) {
    std::vector<std::vector<double>> times(static_cast<std::size_t>(senders));
    std::vector<std::thread> threads;
    for (int t = 0; t < senders; ++t) {
        threads.emplace_back([&, t] {
            auto& mine = times[static_cast<std::size_t>(t)];
            for (int i = 0; i < requests / senders; ++i) {
                double start = nowUs();
                window.sendRequest(nullptr, i, 0, 0);
                mine.push_back(nowUs() - start);
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    std::vector<double> all;
    for (auto& list : times)
        all.insert(all.end(), list.begin(), list.end());
    std::sort(all.begin(), all.end());
    if (all.empty())
        return;
    std::printf("%d sender(s), %zu requests: median %.1f us, 99th percentile %.1f us\n", senders,
                all.size(), all[all.size() / 2], all[all.size() * 99 / 100]);
}

} // namespace

int main(int argc, char** argv) {
    int requests = argc > 1 ? std::atoi(argv[1]) : 20000;
    if (requests <= 0)
        requests = 20000;
    auto* window = s::thread::take<s::gui::win::Window>();
    if (!window->isCreated())
        return 1;
    Echo echo(*window);
    window->addRequestListener(&echo);
    measure(*window, 1, requests);
    measure(*window, 4, requests);
    window->release();
    return 0;
}
