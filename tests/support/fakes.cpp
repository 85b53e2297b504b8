namespace corvella::testing {}
