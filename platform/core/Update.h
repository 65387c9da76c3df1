#pragma once
// Runs work while target (a string list or collection) is in its update
// state; the update ends however the work ends, so a failure cannot leave the
// target silent for good.

template <class Target, class Work>
void WithUpdate(Target& target, Work&& work) {
    target.BeginUpdate();
    try {
        work();
    } catch (...) {
        target.EndUpdate();
        throw;
    }
    target.EndUpdate();
}
