#pragma once
// The keys of the installer's message catalogue. The texts, in every
// language, are part of the window's description (its TVocalith).

namespace msgkey {
inline constexpr char RTOnly[] = "RTOnly";
inline constexpr char DirAlreadyExists[] = "DirAlreadyExists";
inline constexpr char DirCreated[] = "DirCreated";
inline constexpr char EDirCreate[] = "EDirCreate";
inline constexpr char EDirNotFound[] = "EDirNotFound";
inline constexpr char EDirDelete[] = "EDirDelete";
inline constexpr char DirDeleted[] = "DirDeleted";
inline constexpr char FileCopied[] = "FileCopied";
inline constexpr char EFileCopy[] = "EFileCopy";
inline constexpr char FileDeleted[] = "FileDeleted";
inline constexpr char EFileDelete[] = "EFileDelete";
inline constexpr char UninstStatus[] = "UninstStatus";
inline constexpr char InstStatus[] = "InstStatus";
inline constexpr char Finished[] = "Finished";
inline constexpr char EPackageRegister[] = "EPackageRegister";
inline constexpr char PackageRegistered[] = "PackageRegistered";
inline constexpr char EUnknownError[] = "EUnknownError";
inline constexpr char NoFiles[] = "NoFiles";
inline constexpr char InstallationCompleted[] = "InstallationCompleted";
inline constexpr char DeinstallationCompleted[] = "DeinstallationCompleted";
}  // namespace msgkey
