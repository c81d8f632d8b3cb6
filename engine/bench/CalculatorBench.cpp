// Cost of the layout's typical formula: conversion alone, evaluation of the postfix text
// alone, and both together as the calculator does them.
#include <benchmark/benchmark.h>

#include <string>

#include "tolm/utils/calculator/CCalculator.h"
#include "tolm/utils/calculator/CInfixToPostfix.h"
#include "tolm/utils/calculator/CPostfix.h"

namespace {

const std::string kFormula = "100 + ( 50 / 2 - ( 50 * 0.9 / 2 ) )";

void BM_Convert(benchmark::State& state) {
    tolm::CInfixToPostfix converter;
    for (auto _ : state) benchmark::DoNotOptimize(converter.Convert(kFormula));
}
BENCHMARK(BM_Convert);

void BM_EvaluatePostfix(benchmark::State& state) {
    tolm::CInfixToPostfix converter;
    const std::string postfix = converter.Convert(kFormula);
    tolm::CPostfix<double> evaluator;
    for (auto _ : state) benchmark::DoNotOptimize(evaluator.Evaluate(postfix));
}
BENCHMARK(BM_EvaluatePostfix);

void BM_Calculate(benchmark::State& state) {
    tolm::CCalculator calculator;
    for (auto _ : state) benchmark::DoNotOptimize(calculator.Evaluate(kFormula));
}
BENCHMARK(BM_Calculate);

// A long sum shows how conversion scales with the length of the text.
void BM_CalculateLongSum(benchmark::State& state) {
    std::string formula = "1";
    for (int i = 0; i < state.range(0); ++i) formula += " + 1";
    tolm::CCalculator calculator;
    for (auto _ : state) benchmark::DoNotOptimize(calculator.Evaluate(formula));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CalculateLongSum)->Range(8, 4096)->Complexity();

}  // namespace

BENCHMARK_MAIN();
