extern "C" void DisableWindowKeys() {} extern "C" void EnableWindowKeys() {}
