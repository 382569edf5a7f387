/* The C++ half of the runtime check ROM. */
#ifndef PANE_RUNTIME_CHECK_H
#define PANE_RUNTIME_CHECK_H

#ifdef __cplusplus
extern "C" {
#endif

/* True when a static C++ object's constructor ran before main. */
int runtimeCheckCxxConstructed(void);
/* True when new and delete (single and array) hand out and take back memory. */
int runtimeCheckNewDelete(void);

#ifdef __cplusplus
}
#endif

#endif
