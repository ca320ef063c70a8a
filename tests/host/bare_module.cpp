// A loadable module without embedded resources.
extern "C" __attribute__((visibility("default"))) int bare_module_marker() {
    return 1;
}
