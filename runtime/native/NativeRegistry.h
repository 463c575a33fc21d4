// Host registry store persistence. The store also loads the file named by the KIVRA_REGISTRY
// environment variable at first use and rewrites it after every change.
#pragma once

// Load adds and replaces keys and values from the file; both are false when the file cannot be used.
bool NativeRegistryLoad(const char* file);
bool NativeRegistrySave(const char* file);
