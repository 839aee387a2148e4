#pragma once

#include <gtest/gtest.h>

#include <string>

// Runs the statement and checks that it raises ExceptionType whose what() is exactly message.
#define EXPECT_THROW_MESSAGE(statement, ExceptionType, message)                    \
    do {                                                                            \
        try {                                                                       \
            statement;                                                              \
            ADD_FAILURE() << "no exception from " #statement;                       \
        } catch (const ExceptionType& e) {                                          \
            EXPECT_EQ(std::string(e.what()), std::string(message));                 \
        }                                                                           \
    } while (false)
