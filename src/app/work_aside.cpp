// Where the threads that work beside the starting program may run.
#include "app/work_aside.h"

#include <pthread.h>
#include <sched.h>

namespace app {

void runBesideCaller(std::thread& thread)
{
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0)
        return;
    const int here = sched_getcpu();
    if (here < 0 || !CPU_ISSET(here, &allowed) || CPU_COUNT(&allowed) < 2)
        return;
    CPU_CLR(here, &allowed);
    pthread_setaffinity_np(thread.native_handle(), sizeof allowed, &allowed);
}

} // namespace app
