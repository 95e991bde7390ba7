PaginorForm 1
Begin Form F
    Width = NaN
End
