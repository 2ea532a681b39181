#pragma once

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstddef>
#include <vector>

// A lock-free ring of samples between exactly one producer thread and one consumer thread.
// Neither side allocates, locks or waits after construction, so the consumer may be a
// real-time audio callback.
template <typename T> class SpscRing {
public:
    explicit SpscRing(std::size_t minCapacity)
        : m_buffer(std::bit_ceil(std::max<std::size_t>(minCapacity, 2))),
          m_mask(m_buffer.size() - 1) {}

    SpscRing(const SpscRing&) = delete;
    SpscRing& operator=(const SpscRing&) = delete;

    std::size_t capacity() const { return m_buffer.size(); }

    // Producer side.
    std::size_t freeSpace() const {
        return capacity() -
               (m_head.load(std::memory_order_relaxed) - m_tail.load(std::memory_order_acquire));
    }

    // Stores as many of the count values as fit; returns how many were stored.
    std::size_t write(const T* values, std::size_t count) {
        const std::size_t head = m_head.load(std::memory_order_relaxed);
        const std::size_t n = std::min(count, freeSpace());
        for (std::size_t i = 0; i < n; ++i)
            m_buffer[(head + i) & m_mask] = values[i];
        m_head.store(head + n, std::memory_order_release);
        return n;
    }

    // Consumer side.
    std::size_t available() const {
        return m_head.load(std::memory_order_acquire) - m_tail.load(std::memory_order_relaxed);
    }

    // Hands up to count values to visit(const T* values, size_t n) in at most two contiguous
    // runs, then releases them; returns how many were consumed.
    template <typename Visit> std::size_t consume(std::size_t count, Visit&& visit) {
        const std::size_t tail = m_tail.load(std::memory_order_relaxed);
        const std::size_t n = std::min(count, available());
        const std::size_t start = tail & m_mask;
        const std::size_t firstRun = std::min(n, capacity() - start);
        if (firstRun > 0)
            visit(&m_buffer[start], firstRun);
        if (n > firstRun)
            visit(&m_buffer[0], n - firstRun);
        m_tail.store(tail + n, std::memory_order_release);
        return n;
    }

    // Copies up to count values into out; returns how many were copied.
    std::size_t read(T* out, std::size_t count) {
        std::size_t done = 0;
        return consume(count, [&](const T* values, std::size_t n) {
            std::copy_n(values, n, out + done);
            done += n;
        });
    }

private:
    std::vector<T> m_buffer;
    const std::size_t m_mask;
    alignas(64) std::atomic<std::size_t> m_head{0}; // next slot the producer fills
    alignas(64) std::atomic<std::size_t> m_tail{0}; // next slot the consumer takes
};
